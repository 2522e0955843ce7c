// SPDX-License-Identifier: GPL-3.0-or-later
// A live table in the browser. The server decides every rule and sends the table as
// this player may see it; the page shows it, says what a screen reader must hear
// once per event (letters, the last 30 and 10 seconds, the announcements, the
// player's own result first), and sends what the player does.
'use strict';

const tableId = decodeURIComponent(location.pathname.split('/').filter(Boolean).pop() || '');
const $ = (id) => document.getElementById(id);
const LANGUAGES = { 1: 'Italiano', 2: 'Inglese', 3: 'Latino' };
const LEVELS = { 1: 'Principiante', 2: 'Medio', 3: 'Esperto' };
const ALPHABETS = { 1: 'ABCDEFGHILMNOPQRSTUVZ', 2: 'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 3: 'ABCDEFGHIJKLMNOPQRSTUVWXYZ' };

let socket = null;
let state = null;
let closed = false;
let lastPhase = '';
let announcedResults = '';

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN)
    socket.send(JSON.stringify(message));
}

function say(text) {
  $('annuncio').textContent = text;
}

function sayNow(text) {
  $('urgente').textContent = text;
}

// Whether the board's letters spell `word`, each letter used at most once.
function spelt(word, letters) {
  const left = letters.split('');
  for (const c of word) {
    const at = left.indexOf(c);
    if (at < 0)
      return false;
    left.splice(at, 1);
  }
  return true;
}

function showLetters(letters, count) {
  const list = $('lettere');
  list.replaceChildren();
  for (let i = 0; i < count; ++i) {
    const item = document.createElement('li');
    item.textContent = letters[i] || '';
    if (!letters[i])
      item.setAttribute('aria-label', 'vuota');
    list.appendChild(item);
  }
}

function lengthText(length) {
  return length > 0 ? '(' + length + ' Caratt.)' : '';
}

function showSeats() {
  const body = $('giocatori').querySelector('tbody');
  body.replaceChildren();
  state.seats.forEach((seat, i) => {
    const row = document.createElement('tr');
    if (i === state.you)
      row.className = 'mia';
    const cells = ['Giocatore ' + (i + 1),
      seat.name + (seat.away ? ' (assente)' : '') + (state.phase === 'drawing' && state.turn === i ? ' - estrae' : ''),
      lengthText(seat.length) + (seat.done ? ' finito' : '') + (seat.ready ? ' pronto' : ''),
      String(seat.total)];
    for (const text of cells) {
      const td = document.createElement('td');
      td.textContent = text;
      row.appendChild(td);
    }
    body.appendChild(row);
  });
}

function showResults() {
  const results = state.results;
  $('risultati').hidden = !results || state.phase !== 'results';
  if (!results)
    return;
  const body = $('tabella-risultati').querySelector('tbody');
  body.replaceChildren();
  results.rows.forEach((row, i) => {
    const tr = document.createElement('tr');
    if (i === state.you)
      tr.className = 'mia';
    for (const text of [row.name, row.word, row.valid, row.points, String(row.total), String(row.rank)]) {
      const td = document.createElement('td');
      td.textContent = text;
      tr.appendChild(td);
    }
    body.appendChild(tr);
  });
  const found = $('trovate');
  found.replaceChildren();
  const longest = results.found.length ? results.found[0].length : 0;
  results.found.forEach((word, i) => {
    const element = document.createElement(word.length === longest ? 'strong' : 'span');
    element.textContent = word.toLowerCase();
    found.appendChild(element);
    if (i + 1 < results.found.length)
      found.appendChild(document.createTextNode(', '));
  });
  $('segnala').hidden = !results.reportable;
  $('continua').hidden = state.you < 0;
  $('continua').disabled = state.you >= 0 && state.seats[state.you].ready;
  const key = state.manche + ':' + state.phase;
  if (announcedResults !== key) {
    announcedResults = key;
    const lines = [];
    const order = results.rows.map((row, i) => i);
    if (state.you >= 0)
      order.sort((a, b) => (a === state.you ? -1 : b === state.you ? 1 : a - b));
    for (const i of order) {
      const row = results.rows[i];
      lines.push((i === state.you ? 'La tua parola' : row.name) + ': ' + (row.word || 'nessuna') + ', ' + row.valid +
        ', ' + row.points + ' punti, posizione ' + row.rank + '.');
    }
    say(lines.join(' '));
  }
}

function render() {
  const s = state;
  $('regole').textContent = (LANGUAGES[s.language] || '') + ', ' + s.letterCount + ' lettere, ' + s.seconds +
    ' Sec., livello ' + (LEVELS[s.level] || '');
  $('manche').textContent = 'Manche ' + s.manche + '/5';
  showLetters(s.letters, s.letterCount);
  const seated = s.you >= 0;
  const freeSeat = s.seats.some((seat) => seat.free);
  $('siediti').hidden = seated || !freeSeat;
  $('spettatore').hidden = seated || freeSeat;
  $('lascia').hidden = !seated;
  const myTurn = seated && s.phase === 'drawing' && s.turn === s.you;
  $('estrazione').hidden = !myTurn;
  $('turno').textContent = s.phase === 'drawing'
    ? (myTurn ? 'Tocca a te estrarre le lettere.' : 'Estrae ' + s.seats[s.turn].name + '.')
    : '';
  $('tempo').textContent = s.elapsed + ' / ' + s.seconds + ' Sec.';
  $('barra').max = s.seconds;
  $('barra').value = s.elapsed;
  const playing = s.phase === 'playing' && seated && !s.seats[s.you].cpu;
  const input = $('parola');
  input.disabled = !playing || s.seats[s.you].done;
  $('fine').disabled = input.disabled;
  input.maxLength = s.letterCount;
  if (s.phase !== 'playing')
    input.value = '';
  else if (document.activeElement !== input)
    input.value = s.yourWord;
  if (playing && lastPhase !== 'playing') {
    input.value = '';
    input.focus();
  }
  showSpelling();
  showSeats();
  showResults();
  $('fine-partita').hidden = s.phase !== 'over';
  if (s.phase === 'over') {
    $('vincitore').textContent = 'Vince ' + s.winner;
    const totals = $('totali');
    totals.replaceChildren();
    for (const seat of s.seats) {
      const item = document.createElement('li');
      item.textContent = seat.name + ': ' + seat.total;
      totals.appendChild(item);
    }
    if (lastPhase !== 'over')
      say('Fine partita. Vince ' + s.winner + '.');
  }
  if (s.phase === 'drawing' && lastPhase !== 'drawing' && myTurn)
    $('vocale').focus();
  lastPhase = s.phase;
}

function showSpelling() {
  const word = $('parola').value.toUpperCase();
  $('lunghezza').textContent = lengthText(word.length);
  $('compitazione').textContent = word && state && !spelt(word, state.letters)
    ? 'Questa parola non si può comporre con le lettere estratte.' : '';
}

function onMessage(event) {
  const message = JSON.parse(event.data);
  switch (message.t) {
  case 'state':
    state = message;
    render();
    break;
  case 'letter':
    say('Lettera ' + message.letter);
    break;
  case 'tick': {
    $('tempo').textContent = message.elapsed + ' / ' + message.seconds + ' Sec.';
    $('barra').value = message.elapsed;
    const left = message.seconds - message.elapsed;
    if (left === 30)
      say('Mancano 30 secondi');
    else if (left === 10)
      sayNow('Mancano 10 secondi');
    break;
  }
  case 'length':
    if (state) {
      state.seats[message.seat].length = message.length;
      showSeats();
    }
    break;
  case 'announce':
    if (state)
      say(state.seats[message.seat].name + ' annuncia una parola di ' + message.length + ' lettere.');
    break;
  case 'told':
    $('messaggio').textContent = message.text;
    break;
  case 'refused':
    $('messaggio').textContent = message.text;
    break;
  case 'closed':
    closed = true;
    $('chiuso').hidden = false;
    $('chiuso').textContent = message.text;
    break;
  }
}

function connect() {
  const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
  // The table's ID in the path lets a proxy send the socket to the process holding it.
  socket = new WebSocket(scheme + '//' + location.host + '/letterama/online/ws/' + encodeURIComponent(tableId));
  socket.addEventListener('open', () => {
    // The browser's seat cookie, sent with the upgrade, finds its seat.
    send({ t: 'join', table: tableId });
  });
  socket.addEventListener('message', onMessage);
  socket.addEventListener('close', () => {
    if (!closed)
      setTimeout(connect, 2000);
  });
}

function start() {
  const alphabet = () => ALPHABETS[state ? state.language : 1];
  $('parola').addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      send({ t: 'done' });
    }
  });
  $('parola').addEventListener('input', () => {
    const input = $('parola');
    // Only the alphabet's letters are kept, as in the game's word box.
    const kept = input.value.toUpperCase().split('').filter((c) => alphabet().includes(c)).join('');
    if (kept !== input.value.toUpperCase())
      input.value = kept;
    showSpelling();
    send({ t: 'word', word: kept });
  });
  $('fine').addEventListener('click', () => send({ t: 'done' }));
  $('vocale').addEventListener('click', () => send({ t: 'draw', kind: 'vowel' }));
  $('consonante').addEventListener('click', () => send({ t: 'draw', kind: 'consonant' }));
  $('auto').addEventListener('click', () => send({ t: 'draw', kind: 'auto' }));
  $('continua').addEventListener('click', () => send({ t: 'continue' }));
  $('ancora').addEventListener('click', () => send({ t: 'again' }));
  $('segnala').addEventListener('click', () => {
    send({ t: 'report' });
    say('Parola segnalata.');
  });
  $('lascia').addEventListener('click', () => send({ t: 'leave' }));
  $('siediti').addEventListener('submit', (event) => {
    event.preventDefault();
    const name = $('nome').value.trim();
    localStorage.setItem('letterama-nome', name);
    send({ t: 'sit', name: name });
  });
  $('nome').value = localStorage.getItem('letterama-nome') || '';
  connect();
}

document.addEventListener('DOMContentLoaded', start);
