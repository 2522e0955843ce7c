#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A record submitted in a real browser: headless Chromium opens the record address
the game builds for a finished game on a letterama-site started here on 127.0.0.1,
confirms it and finds the row marked in the table; a name holding <script> shows as
text and runs nothing. Exits 77 (skipped) when Chromium, its driver or Selenium is
missing."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from headless_site import start_site, browser  # noqa: E402  (exits 77 without a browser)
from selenium.common.exceptions import NoAlertPresentException  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.support import expected_conditions  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

site_program, probe_program = sys.argv[1], sys.argv[2]


def game_address(name, points, note):
    return subprocess.run([probe_program, name, str(points), note, "giocatore@example.org", "1"],
                          check=True, capture_output=True, text=True).stdout.strip()


def submit(driver, base, name, points, note):
    driver.get(base + game_address(name, points, note))
    confirm = driver.find_element(By.CSS_SELECTOR, "form button[type=submit]")
    assert name in driver.find_element(By.CSS_SELECTOR, "dl.record").text, driver.page_source
    confirm.click()
    WebDriverWait(driver, 10).until(expected_conditions.presence_of_element_located((By.CSS_SELECTOR, "tr.nuovo")))
    return driver.find_element(By.CSS_SELECTOR, "tr.nuovo")


def main():
    folder = tempfile.mkdtemp(prefix="letterama-site-browser-")
    site, base = start_site(site_program, folder)
    driver = None
    try:
        driver = browser()
        driver.set_page_load_timeout(20)

        row = submit(driver, base, "BRUNO", 5400, "Sono il migliore")
        cells = [cell.text for cell in row.find_elements(By.TAG_NAME, "td")]
        assert cells[0] == "1" and cells[1].startswith("BRUNO") and cells[2] == "5400", cells
        assert cells[4] == "Sono il migliore", cells
        assert "giocatore@example.org" not in driver.page_source, "the e-mail address must not be shown"

        hostile = "<script>document.title='preso'</script>"
        title_before = "Tabella mondiale dei record - Letterama"
        row = submit(driver, base, hostile, 6000, "<img src=x onerror=alert(1)>")
        assert row.find_elements(By.TAG_NAME, "td")[1].text.startswith(hostile), row.text
        assert driver.title == title_before, driver.title
        try:
            driver.switch_to.alert
            raise AssertionError("a script of the note ran")
        except NoAlertPresentException:
            pass
        assert not driver.find_elements(By.CSS_SELECTOR, "td img"), "markup of the note became an element"
        print("browser test passed")
    finally:
        if driver:
            driver.quit()
        site.terminate()
        site.wait(10)
        shutil.rmtree(folder, ignore_errors=True)


main()
