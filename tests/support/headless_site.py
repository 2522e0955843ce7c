# SPDX-License-Identifier: GPL-3.0-or-later
"""What the site's browser tests share: headless Chromium through Selenium, and a
letterama-site started on 127.0.0.1 at a free port. Importing it exits 77 (skipped)
when Selenium, Chromium or its driver is missing."""
import re
import shutil
import subprocess
import sys

SKIP = 77


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError:
    skip("python3-selenium is not installed")

chromium = shutil.which("chromium") or shutil.which("chromium-browser")
driver_program = shutil.which("chromedriver")
if not chromium or not driver_program:
    skip("chromium and chromium-driver are not installed")


def start_site(site_program, folder, *options):
    """The site serving the data folder `folder`, and its address; `options` are added
    to its command line."""
    site = subprocess.Popen([site_program, "serve", "--port", "0", "--data", folder, *options],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    line = site.stdout.readline()
    found = re.search(r"http://127\.0\.0\.1:(\d+)/", line)
    if not found:
        site.kill()
        raise SystemExit("letterama-site did not start: " + line)
    return site, "http://127.0.0.1:" + found.group(1)


def browser(*arguments, console_log=False):
    """A headless Chromium, with `arguments` added to its command line; with
    `console_log` the page's console messages can be read back."""
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--no-first-run", "--disable-extensions") + arguments:
        options.add_argument(argument)
    if console_log:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(driver_program), options=options)
