#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two players at a live table in real browsers: headless Chromium, twice, against a
letterama-site started here on 127.0.0.1 with a small lexicon and a fast clock (a
second of 200 ms). Anna creates a table, Bruno sits at it from its address, Anna
reloads and keeps her seat through the browser's cookie, draws, both type and finish,
and both see the same results; neither saw the other's word before. Then Bruno opens
a second table, Anna sits from the lobby, and the two play a whole game beside two
computers to "Fine partita", whose totals must be those the game's core computes
(online_totals) for the letters and words of the server's own results.
With axe-core available (npm axe-core, AXE_CORE_JS or a node_modules folder) the
table page is checked for accessibility violations. Exits 77 (skipped) when
Chromium, its driver or Selenium is missing."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import headless_site  # noqa: E402  (exits 77 without a browser)
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

site_program, dict_program, totals_program = sys.argv[1], sys.argv[2], sys.argv[3]
SECOND_MS = 200
WORDS = ["SALE", "TELA", "COLLE", "STELO", "CASTELLO", "CASA", "MARE", "RAMO", "ROSA", "TORTA", "PANE", "LUNA",
         "NOTTE", "SOLE", "VENTO", "TERRA", "FIORE", "CANE", "GATTO", "LATTE"]
# Short made-up words of common letters: every board spells some, so the computers
# announce and the players score in the whole game.
SHORT = sorted({c + v + d for c in "BCDLMNPRSTV" for v in "AEIO" for d in "LNRST"} |
               {v + c + w for v in "AEIO" for c in "BCDLMNPRSTV" for w in "AEIO"})


def start_site(folder):
    words = os.path.join(folder, "parole.txt")
    with open(words, "w", encoding="utf-8") as listed:
        listed.write("\n".join(sorted(set(WORDS) | set(SHORT))) + "\n")
    subprocess.run([dict_program, "build", "--language", "1", "-o", os.path.join(folder, "SLESSICO.1"), words],
                   check=True, capture_output=True)
    return headless_site.start_site(site_program, folder, "--table-second-ms", str(SECOND_MS))


def browser():
    return headless_site.browser("--window-size=400,900", console_log=True)


def wait(driver, condition, what, seconds=20):
    try:
        return WebDriverWait(driver, seconds).until(lambda d: condition(d))
    except Exception:
        raise AssertionError("timed out waiting for " + what + "\n" + driver.page_source)


def visible(driver, element_id):
    return driver.find_element(By.ID, element_id).is_displayed()


def letters(driver):
    return "".join(item.text for item in driver.find_elements(By.CSS_SELECTOR, "#lettere li"))


def npm_root_axe():
    try:
        root = subprocess.run(["npm", "root", "-g"], capture_output=True, text=True, timeout=20).stdout.strip()
    except (OSError, subprocess.SubprocessError):
        return ""
    return os.path.join(root, "axe-core", "axe.min.js") if root else ""


def axe_source():
    candidates = [os.environ.get("AXE_CORE_JS", ""), "/usr/share/nodejs/axe-core/axe.min.js",
                  "/usr/lib/node_modules/axe-core/axe.min.js", "/usr/local/lib/node_modules/axe-core/axe.min.js",
                  npm_root_axe(),
                  os.path.join(os.path.dirname(__file__), "..", "..", "node_modules", "axe-core", "axe.min.js")]
    for candidate in candidates:
        if candidate and os.path.isfile(candidate):
            with open(candidate, encoding="utf-8") as script:
                return script.read()
    return None


def check_accessibility(driver):
    source = axe_source()
    if source is None:
        print("NOTE: axe-core not found (npm install axe-core, or AXE_CORE_JS): accessibility check left out")
        return
    # Injected by the test driver, not by the page: the page's policy stays strict.
    driver.execute_script(source)
    result = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document).then(r => done(r.violations.map(v => v.id + ': ' + v.help)));")
    assert not result, "axe-core violations: " + "; ".join(result)


def page_state(driver):
    return driver.execute_script("return state")


def spellable(word, board):
    rest = list(board)
    for letter in word:
        if letter not in rest:
            return False
        rest.remove(letter)
    return True


def whole_game(anna, bruno, base, folder):
    """Two humans and two computers play five manches that run out of time; the
    totals at "Fine partita" are the core's for the same letters and words."""
    bruno.get(base + "/letterama/online/")
    bruno.find_element(By.ID, "nome").send_keys(Keys.CONTROL + "a", "Bruno")
    bruno.find_element(By.CSS_SELECTOR, "#lettere option[value='8']").click()
    bruno.find_element(By.CSS_SELECTOR, "#tempo option[value='30']").click()
    bruno.find_element(By.ID, "crea-tavolo").click()
    wait(bruno, lambda d: "/letterama/online/tavolo/" in d.current_url, "the second table's page")
    table = bruno.current_url
    anna.get(base + "/letterama/online/")
    link = "#tavoli tbody a[href$='" + table.rsplit("/", 1)[1] + "']"
    wait(anna, lambda d: d.find_elements(By.CSS_SELECTOR, link), "the second table in the lobby")
    anna.find_element(By.CSS_SELECTOR, link).click()
    wait(anna, lambda d: visible(d, "siediti"), "the seat form at the second table")
    anna.find_element(By.ID, "nome").send_keys(Keys.CONTROL + "a", "Anna")
    anna.find_element(By.CSS_SELECTOR, "#siediti button").click()
    wait(anna, lambda d: visible(d, "lascia"), "Anna seated at the second table")

    players = {0: bruno, 1: anna}
    manches = []
    names = None
    for manche in range(1, 6):
        wait(bruno, lambda d: (page_state(d) or {}).get("phase") == "drawing"
             and page_state(d)["manche"] == manche, "the draw of manche %d" % manche)
        drawer = players[page_state(bruno)["turn"]]
        wait(drawer, lambda d: visible(d, "estrazione"), "the drawer's buttons")
        drawer.find_element(By.ID, "auto").click()
        for driver in (anna, bruno):
            wait(driver, lambda d: d.find_element(By.ID, "parola").is_enabled(), "the clock of manche %d" % manche)
        board = letters(bruno)
        words = sorted((w for w in WORDS + SHORT if spellable(w, board)), key=len) or [board[0:3]]
        # Typed, never finished: the manche runs out of time.
        bruno.find_element(By.ID, "parola").send_keys(words[-1].lower())
        anna.find_element(By.ID, "parola").send_keys(words[0].lower())
        for driver in (anna, bruno):
            wait(driver, lambda d: (page_state(d) or {}).get("phase") == "results", "the results of manche %d" % manche)
        judged = page_state(bruno)
        rows = judged["results"]["rows"]
        names = [row["name"] for row in rows]
        manches.append([judged["letters"]] + [row["word"] for row in rows])
        assert page_state(anna)["results"]["rows"] == rows
        for driver in (anna, bruno):
            driver.find_element(By.ID, "continua").click()

    for driver in (anna, bruno):
        wait(driver, lambda d: visible(d, "fine-partita"), "Fine partita")
    shown = [item.text for item in bruno.find_element(By.ID, "totali").find_elements(By.TAG_NAME, "li")]
    game = "\t".join(names) + "\n" + "".join("\t".join(m) + "\n" for m in manches)
    computed = subprocess.run([totals_program, os.path.join(folder, "SLESSICO.1"), "8"], input=game, text=True,
                              capture_output=True, check=True).stdout.split()
    expected = [name + ": " + total for name, total in zip(names, computed)]
    assert shown == expected, (shown, expected, game)
    assert sum(int(t) for t in computed) > 0, game
    assert "(CPU)" in names[2] and "(CPU)" in names[3], names
    winner = bruno.find_element(By.ID, "vincitore").text
    assert winner.startswith("Vince "), winner
    print("OK: a whole game reached Fine partita with the core's totals " + " ".join(computed))


def main():
    folder = tempfile.mkdtemp(prefix="letterama-online-browser-")
    site, base = start_site(folder)
    anna = bruno = None
    try:
        anna, bruno = browser(), browser()
        for driver in (anna, bruno):
            driver.set_page_load_timeout(20)
            driver.set_script_timeout(30)

        # The lobby: Anna opens a table of 8 letters and 30 seconds.
        anna.get(base + "/letterama/online/")
        anna.find_element(By.ID, "nome").send_keys("Anna")
        anna.find_element(By.CSS_SELECTOR, "#lettere option[value='8']").click()
        anna.find_element(By.CSS_SELECTOR, "#tempo option[value='30']").click()
        anna.find_element(By.ID, "crea-tavolo").click()
        wait(anna, lambda d: "/letterama/online/tavolo/" in d.current_url, "the table's page")
        table = anna.current_url
        wait(anna, lambda d: visible(d, "estrazione"), "Anna's turn to draw")

        # Bruno sees the table in the lobby and sits from its address.
        bruno.get(base + "/letterama/online/")
        wait(bruno, lambda d: d.find_elements(By.CSS_SELECTOR, "#tavoli tbody a"), "the table in the lobby")
        assert bruno.find_element(By.CSS_SELECTOR, "#tavoli tbody a").text == "Siediti"
        bruno.get(table)
        wait(bruno, lambda d: visible(d, "siediti"), "the seat form")
        bruno.find_element(By.ID, "nome").send_keys("Bruno")
        bruno.find_element(By.CSS_SELECTOR, "#siediti button").click()
        wait(bruno, lambda d: visible(d, "lascia"), "Bruno seated")
        wait(anna, lambda d: "Bruno" in d.find_element(By.ID, "giocatori").text, "Bruno at Anna's table")

        # A reload keeps Anna's seat and her turn: her browser's cookie holds it, out of
        # reach of the page's scripts and of other sites' pages; the page keeps no token.
        anna.refresh()
        wait(anna, lambda d: visible(d, "estrazione"), "Anna's seat after the reload")
        cookies = [c for c in anna.get_cookies() if c["name"] == "letterama_posto"]
        assert len(cookies) == 1 and cookies[0]["httpOnly"] and cookies[0].get("sameSite") == "Strict", cookies
        assert "letterama_posto" not in anna.execute_script("return document.cookie")
        stored = anna.execute_script("return Object.keys(localStorage)")
        assert not [key for key in stored if key.startswith("letterama-tavolo-")], stored
        check_accessibility(anna)

        anna.find_element(By.ID, "vocale").click()
        wait(bruno, lambda d: len(letters(d)) == 1, "the first letter at Bruno's")
        anna.find_element(By.ID, "auto").click()
        for driver in (anna, bruno):
            wait(driver, lambda d: d.find_element(By.ID, "parola").is_enabled(), "the manche's clock")
        board = letters(anna)
        assert len(board) == 8 and board == letters(bruno), (board, letters(bruno))

        anna_word, bruno_word = board[0:3], board[4:8]
        anna.find_element(By.ID, "parola").send_keys(anna_word.lower())
        bruno.find_element(By.ID, "parola").send_keys(bruno_word.lower())
        wait(bruno, lambda d: "(3 Caratt.)" in d.find_element(By.ID, "giocatori").text, "Anna's length at Bruno's")
        wait(anna, lambda d: "(4 Caratt.)" in d.find_element(By.ID, "giocatori").text, "Bruno's length at Anna's")
        anna.find_element(By.ID, "parola").send_keys(Keys.ENTER)
        bruno.find_element(By.ID, "parola").send_keys(Keys.ENTER)

        for driver in (anna, bruno):
            wait(driver, lambda d: visible(d, "risultati"), "the results")
        results = [d.find_element(By.CSS_SELECTOR, "#tabella-risultati tbody").text for d in (anna, bruno)]
        assert results[0] == results[1], results
        assert anna_word.lower() in results[0] and bruno_word.lower() in results[0], results[0]
        assert "Trovate:" in anna.find_element(By.ID, "risultati").text
        # The page runs under the strict policy: nothing it does is refused.
        for driver in (anna, bruno):
            refused = [entry["message"] for entry in driver.get_log("browser")
                       if "Content Security Policy" in entry["message"]]
            assert not refused, refused

        anna.find_element(By.ID, "continua").click()
        bruno.find_element(By.ID, "continua").click()
        wait(bruno, lambda d: d.find_element(By.ID, "manche").text == "Manche 2/5", "the second manche")
        wait(bruno, lambda d: visible(d, "estrazione"), "Bruno's turn to draw")
        print("OK: two browsers played a manche at " + table)

        whole_game(anna, bruno, base, folder)
        return 0
    finally:
        for driver in (anna, bruno):
            if driver:
                driver.quit()
        site.terminate()
        site.wait(10)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
