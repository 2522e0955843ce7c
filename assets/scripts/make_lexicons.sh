#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the three lexicons shipped in the program folder from word lists of Debian
# packages, with the project's own `letterama-dict build`:
#
#   SLESSICO.1  Italian: every form the hunspell-it affix rules give (unmunch, from
#               hunspell-tools) joined with /usr/share/dict/italian (witalian).
#   SLESSICO.2  English: /usr/share/dict/american-english (wamerican).
#   SLESSICO.3  Latin: the lemmas of collatinus with the forms its own inflection
#               models give for the main lemma list, plus the headwords of its
#               extended list and its irregular forms.
#
# Usage: make_lexicons.sh [PATH-TO-letterama-dict]
# Without an argument the tool is looked for in $LETTERAMA_DICT, then in a build
# folder of the source tree, then on the PATH. The script runs once; the lexicons
# it writes are kept in assets/program_folder/.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_root=$(cd "$here/../.." && pwd)
out=$(cd "$here/../program_folder" && pwd)

find_tool() {
    if [[ -n "${1:-}" ]]; then echo "$1"; return; fi
    if [[ -n "${LETTERAMA_DICT:-}" ]]; then echo "$LETTERAMA_DICT"; return; fi
    local built
    for built in "$source_root"/build*/letterama/letterama-dict; do
        if [[ -x "$built" ]]; then echo "$built"; return; fi
    done
    command -v letterama-dict || true
}
dict=$(find_tool "${1:-}")
if [[ -z "$dict" || ! -x "$dict" ]]; then
    echo "make_lexicons.sh: letterama-dict not found; build the project or pass its path" >&2
    exit 1
fi

need() {  # need FILE PACKAGE
    if [[ ! -r "$1" ]]; then
        echo "make_lexicons.sh: $1 is missing: install the Debian package $2" >&2
        exit 1
    fi
}
need /usr/share/hunspell/it_IT.dic hunspell-it
need /usr/share/hunspell/it_IT.aff hunspell-it
need /usr/share/dict/italian witalian
need /usr/share/dict/american-english wamerican
need /usr/share/collatinus/data/lemmes.la collatinus
if ! command -v unmunch > /dev/null; then
    echo "make_lexicons.sh: unmunch is missing: install the Debian package hunspell-tools" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Fails unless the lexicon holds at least the given number of words.
check_size() {  # check_size FILE MINIMUM
    local words
    words=$("$dict" info "$1" | awk '{ total += $3 } END { print total + 0 }')
    echo "$(basename "$1"): $words words"
    if (( words < $2 )); then
        echo "make_lexicons.sh: $1 has only $words words, fewer than $2" >&2
        exit 1
    fi
}

# Italian. unmunch writes UTF-8 (the dictionary's own SET) and its trace on stderr.
# Its output runs to 36 million lines, almost all of them elided forms with an
# apostrophe (l'abaco, dell'abaco), which are never lexicon words: they are dropped
# on the way so that the list stays around 50 MB.
echo "Italian: expanding it_IT.dic with its affix rules ..."
unmunch /usr/share/hunspell/it_IT.dic /usr/share/hunspell/it_IT.aff 2> /dev/null \
    | grep -v "'" > "$work/italian-forms.txt" || true
if [[ ! -s "$work/italian-forms.txt" ]]; then
    echo "make_lexicons.sh: unmunch gave no words" >&2
    exit 1
fi
"$dict" build --language 1 -o "$out/SLESSICO.1" "$work/italian-forms.txt" /usr/share/dict/italian
check_size "$out/SLESSICO.1" 300000

echo "English ..."
"$dict" build --language 2 -o "$out/SLESSICO.2" /usr/share/dict/american-english
check_size "$out/SLESSICO.2" 40000

# Latin. Each line of lemmes.la and lem_ext.la is
#   lemma[=lemma with vowel quantities]|model|radical 1|radical 2|grammar|frequency
# with a digit after homographs (abdico2). modeles.la describes each model: its
# radicals (R:n:K the lemma itself, R:n:strip,add a letter count to take off the
# lemma and what to add, R:n:- given by the lemma line only), its endings per
# morphology number (des: replaces, des+: adds, $NAME constants, the last ending
# repeating to the end of a range, '-' for none), the numbers it lacks (abs:), the
# suffixes it takes (suf:, sufd:) and the model it inherits from (pere:).
# irregs.la lists irregular forms as form:lemma:morphologies.
echo "Latin: inflecting the collatinus lemmas ..."
python3 - /usr/share/collatinus/data > "$work/latin-forms.txt" <<'PYTHON'
import re
import sys
import unicodedata

data = sys.argv[1]


def plain(text):
    """The spelling without vowel quantities (ā -> a, ĭ -> i; ў is a y with a breve)."""
    text = text.replace('ў', 'y').replace('Ў', 'Y')
    return ''.join(c for c in unicodedata.normalize('NFD', text) if not unicodedata.combining(c))


def numbers(spec):
    result = []
    for part in filter(None, spec.split(',')):
        first, _, last = part.partition('-')
        result.extend(range(int(first), int(last or first) + 1))
    return result


def records(name):
    with open(f'{data}/{name}', encoding='utf-8') as f:
        for line in f:
            line = line.strip()
            if line and not line.startswith('!'):
                yield line


def no_homograph_digit(word):
    return re.sub(r'\d+$', '', word)


constants, models = {}, {}
model = None
for line in records('modeles.la'):
    if line.startswith('$'):
        name, value = line[1:].split('=', 1)
        constants[name] = value
        continue
    key, _, value = line.partition(':')
    if key == 'modele':
        model = models[value] = {'pere': None, 'R': {}, 'des': [], 'abs': set(), 'suf': [], 'sufd': []}
    elif key == 'pere':
        model['pere'] = value
    elif key == 'R':
        n, spec = value.split(':', 1)
        model['R'][int(n)] = spec
    elif key in ('des', 'des+'):
        interval, radical, endings = value.split(':', 2)
        model['des'].append((key == 'des+', numbers(interval), int(radical), endings))
    elif key == 'abs':
        model['abs'].update(numbers(value))
    elif key == 'suf':
        interval, suffix = value.split(':', 1)
        model['suf'].append((set(numbers(interval)), suffix))
    elif key == 'sufd':
        model['sufd'].append(value)


def endings_of(text):
    """Splits an ending list; 'pre$NAME' puts 'pre' before every ending of $NAME."""
    items = []
    for item in text.split(';'):
        match = re.fullmatch(r'(.*)\$(\w+)', item)
        if match and match.group(2) in constants:
            prefix = match.group(1)
            items.extend(','.join(prefix + alternative for alternative in ending.split(','))
                         for ending in constants[match.group(2)].split(';'))
        else:
            items.append(item)
    return items


resolved = {}


def resolve(name):
    """The model with everything it inherits."""
    if name in resolved:
        return resolved[name]
    own = models[name]
    if own['pere']:
        parent = resolve(own['pere'])
        result = {'R': dict(parent['R']), 'des': {k: list(v) for k, v in parent['des'].items()},
                  'abs': set(parent['abs']), 'suf': list(parent['suf']), 'sufd': list(parent['sufd'])}
    else:
        result = {'R': {}, 'des': {}, 'abs': set(), 'suf': [], 'sufd': []}
    result['R'].update(own['R'])
    replaced = set()
    for adds, morphologies, radical, text in own['des']:
        endings = endings_of(text)
        for i, morphology in enumerate(morphologies):
            if not adds and morphology not in replaced:
                result['des'][morphology] = []
                replaced.add(morphology)
            result['des'].setdefault(morphology, []).append((radical, endings[min(i, len(endings) - 1)]))
    result['abs'] |= own['abs']
    result['suf'] += own['suf']
    if own['sufd']:
        result['sufd'] = list(own['sufd'])
    resolved[name] = result
    return result


def radicals_from(spec, lemma):
    if spec == 'K':
        return [lemma]
    if spec == '-':
        return []
    strip, add = spec.split(',')
    kept = lemma[:-int(strip)] if int(strip) else lemma
    return [kept + ('' if add == '0' else add)]


forms = set()


def add_lemma(fields, inflect):
    head, _, marked = fields[0].partition('=')
    head = no_homograph_digit(plain(head))
    if not head[:1].islower():
        return  # a proper noun
    forms.add(head)
    if not inflect or fields[1] not in models:
        return
    model = resolve(fields[1])
    spellings = [no_homograph_digit(plain(s)) for s in (marked or fields[0]).split(',')]
    radicals = {n: [r for s in spellings for r in radicals_from(plain(spec), s)] for n, spec in model['R'].items()}
    for n, given in ((1, fields[2]), (2, fields[3])):
        if given:
            radicals[n] = [plain(r) for r in given.split(',')]
    for morphology, entries in model['des'].items():
        if morphology in model['abs']:
            continue
        for radical, ending in entries:
            for stem in radicals.get(radical, []):
                for alternative in plain(ending).split(','):
                    alternative = no_homograph_digit(alternative)
                    form = stem + ('' if alternative == '-' else alternative)
                    for suffix in model['sufd'] or ['']:
                        forms.add(form + plain(suffix))
                    for where, suffix in model['suf']:
                        if morphology in where:
                            forms.add(form + plain(suffix))


for name, inflect in (('lemmes.la', True), ('lem_ext.la', False)):
    for line in records(name):
        fields = line.split('|')
        if len(fields) >= 4:
            add_lemma(fields, inflect)
for line in records('irregs.la'):
    form, lemma = line.split(':')[:2]
    if lemma[:1].islower():
        forms.add(plain(form).rstrip('*'))

sys.stdout.write(''.join(form + '\n' for form in sorted(forms)))
PYTHON
"$dict" build --language 3 -o "$out/SLESSICO.3" "$work/latin-forms.txt"
check_size "$out/SLESSICO.3" 15000
