#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The day's challenge in a real browser: headless Chromium against a letterama-site
started here on 127.0.0.1 with the shipped Italian lexicon. The player chooses
"Italiano", sees no letters until "Gioca", plays the board with the longest word
letterama-dict finds, and sees the ranking and the text to share; a second visit
shows the same result. With axe-core available every page is checked for
accessibility violations. Exits 77 (skipped) when Chromium, its driver or Selenium
is missing."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "site_online"))
import headless_site  # noqa: E402  (exits 77 without a browser)
from browser_table_test import check_accessibility, wait  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

site_program, dict_program, shipped = sys.argv[1], sys.argv[2], sys.argv[3]
SHARE = re.compile(r"^Letterama \d\d-\d\d-\d{4} · (\d+) lettere · (\d+) s$")


def longest_word(lexicon, letters):
    found = subprocess.run([dict_program, "solve", "--lexicon", lexicon, letters],
                           check=True, capture_output=True, text=True).stdout.split()
    words = [w for w in found if w.isalpha()]
    return max(words, key=len)


def main():
    folder = tempfile.mkdtemp(prefix="letterama-daily-browser-")
    shutil.copy(os.path.join(shipped, "SLESSICO.1"), folder)
    site, base = headless_site.start_site(site_program, folder)
    driver = None
    try:
        driver = headless_site.browser("--window-size=500,900")
        driver.set_page_load_timeout(20)
        driver.set_script_timeout(30)

        driver.get(base + "/letterama/sfida/")
        check_accessibility(driver)
        driver.find_element(By.LINK_TEXT, "Italiano").click()
        wait(driver, lambda d: d.find_elements(By.ID, "gioca"), "the board's page")
        assert not driver.find_element(By.ID, "partita").is_displayed(), "the board shows before Gioca"
        assert driver.find_elements(By.CSS_SELECTOR, "#lettere li") == [], "letters in the page before Gioca"
        check_accessibility(driver)

        driver.find_element(By.ID, "nome").send_keys("Anna <b>")
        driver.find_element(By.ID, "gioca").click()
        wait(driver, lambda d: len(d.find_elements(By.CSS_SELECTOR, "#lettere li")) == 10, "the letters")
        letters = "".join(li.text for li in driver.find_elements(By.CSS_SELECTOR, "#lettere li"))
        assert driver.switch_to.active_element.get_attribute("id") == "parola", "the focus is not on the word"
        assert "Lettere estratte" in driver.find_element(By.ID, "annuncio").text
        check_accessibility(driver)
        word = longest_word(os.path.join(folder, "SLESSICO.1"), letters)
        assert len(word) >= 8, "the board has no word of 8 letters: " + letters
        driver.find_element(By.ID, "parola").send_keys(word.lower() + Keys.ENTER)

        wait(driver, lambda d: "/letterama/sfida/risultato" in d.current_url, "the result page")
        page = driver.find_element(By.TAG_NAME, "main").text
        assert "Classifica di oggi" in page, page
        assert word in page, page
        assert "Anna <b> (tu)" in driver.find_element(By.ID, "classifica").text
        share = driver.find_element(By.ID, "condividi").text
        found = SHARE.match(share)
        assert found and int(found.group(1)) == len(word), share
        assert word not in share
        assert driver.find_element(By.CSS_SELECTOR, "#lunghezze th[scope=row]").text == "%d lettere" % len(word)
        driver.find_element(By.ID, "copia").click()
        wait(driver, lambda d: d.find_element(By.ID, "annuncio").text.startswith("Testo"), "the copy")
        check_accessibility(driver)

        # A second visit to the board's page shows the first result.
        driver.get(base + "/letterama/sfida/gioca?lingua=1")
        wait(driver, lambda d: "/letterama/sfida/risultato" in d.current_url, "the first result again")
        assert driver.find_element(By.ID, "condividi").text == share

        driver.get(base + "/letterama/sfida/archivio")
        assert letters not in driver.page_source, "today's board is in the archive"
        check_accessibility(driver)
        print("played", letters, "with", word, "->", share)
    finally:
        if driver:
            driver.quit()
        site.kill()
        site.wait()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
