#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Two players at a live table in real browsers: headless Chromium, twice, against a
letterama-site started here on 127.0.0.1 with a small lexicon. Anna creates a table,
Bruno sits at it from its address, Anna reloads and keeps her seat, draws, both type
and finish, and both see the same results; neither saw the other's word before.
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

site_program, dict_program = sys.argv[1], sys.argv[2]
WORDS = ["SALE", "TELA", "COLLE", "STELO", "CASTELLO", "CASA", "MARE", "RAMO", "ROSA", "TORTA", "PANE", "LUNA",
         "NOTTE", "SOLE", "VENTO", "TERRA", "FIORE", "CANE", "GATTO", "LATTE"]


def start_site(folder):
    words = os.path.join(folder, "parole.txt")
    with open(words, "w", encoding="utf-8") as listed:
        listed.write("\n".join(WORDS) + "\n")
    subprocess.run([dict_program, "build", "--language", "1", "-o", os.path.join(folder, "SLESSICO.1"), words],
                   check=True, capture_output=True)
    return headless_site.start_site(site_program, folder)


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

        # A reload keeps Anna's seat and her turn.
        anna.refresh()
        wait(anna, lambda d: visible(d, "estrazione"), "Anna's seat after the reload")
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
