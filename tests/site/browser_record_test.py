#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A record submitted in a real browser: headless Chromium opens the record address
the game builds for a finished game on a letterama-site started here on 127.0.0.1,
confirms it and finds the row marked in the table; a name holding <script> shows as
text and runs nothing. Exits 77 (skipped) when Chromium, its driver or Selenium is
missing."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.common.exceptions import NoAlertPresentException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support import expected_conditions
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    skip("python3-selenium is not installed")

site_program, probe_program = sys.argv[1], sys.argv[2]
chromium = shutil.which("chromium") or shutil.which("chromium-browser")
driver_program = shutil.which("chromedriver")
if not chromium or not driver_program:
    skip("chromium and chromium-driver are not installed")


def start_site(folder):
    site = subprocess.Popen([site_program, "serve", "--port", "0", "--data", folder],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    line = site.stdout.readline()
    found = re.search(r"http://127\.0\.0\.1:(\d+)/", line)
    if not found:
        site.kill()
        raise SystemExit("letterama-site did not start: " + line)
    return site, "http://127.0.0.1:" + found.group(1)


def game_address(name, points, note):
    return subprocess.run([probe_program, name, str(points), note, "giocatore@example.org", "1"],
                          check=True, capture_output=True, text=True).stdout.strip()


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--no-first-run", "--disable-extensions"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service(driver_program), options=options)


def submit(driver, base, name, points, note):
    driver.get(base + game_address(name, points, note))
    confirm = driver.find_element(By.CSS_SELECTOR, "form button[type=submit]")
    assert name in driver.find_element(By.CSS_SELECTOR, "dl.record").text, driver.page_source
    confirm.click()
    WebDriverWait(driver, 10).until(expected_conditions.presence_of_element_located((By.CSS_SELECTOR, "tr.nuovo")))
    return driver.find_element(By.CSS_SELECTOR, "tr.nuovo")


def main():
    folder = tempfile.mkdtemp(prefix="letterama-site-browser-")
    site, base = start_site(folder)
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
