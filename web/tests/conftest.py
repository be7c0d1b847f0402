# SPDX-License-Identifier: MIT
"""The page in headless Chromium, served from this machine as any static
server would, and the native ratedload-cli whose answers it must give."""

import functools
import http.server
import os
import shutil
import socketserver
import tempfile
import threading

import pytest
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service


def pytest_addoption(parser):
    parser.addoption("--site", required=True, help="the built site: build/web/site")
    parser.addoption("--cli", required=True, help="a native ratedload-cli")
    parser.addoption("--shots", required=True, help="where the screenshots go")


@pytest.fixture(scope="session")
def site(request):
    return os.path.abspath(request.config.getoption("--site"))


@pytest.fixture(scope="session")
def cli(request):
    return request.config.getoption("--cli")


@pytest.fixture(scope="session")
def shots(request):
    folder = request.config.getoption("--shots")
    os.makedirs(folder, exist_ok=True)
    return folder


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """A server of the folder on localhost (a service worker needs one), and its address."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://localhost:{server.server_address[1]}/"


@pytest.fixture(scope="session")
def served(site):
    """The address of the site."""
    server, address = serve(site)
    yield address
    server.shutdown()


def new_browser(width=1280, height=900, mobile=False, profile=None):
    """Chromium with a profile of its own (or the one given, as a browser
    started again), and nothing of the network asked but what the page asks."""
    profile = profile or tempfile.mkdtemp(prefix="ratedload-chromium-")
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--hide-scrollbars",
                     f"--user-data-dir={profile}"):
        options.add_argument(argument)
    driver = webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 1,
                            "mobile": mobile})
    driver.profile = profile
    return driver


@pytest.fixture
def browser():
    driver = new_browser()
    yield driver
    driver.quit()
    shutil.rmtree(driver.profile, ignore_errors=True)


@pytest.fixture
def phone():
    driver = new_browser(360, 740, mobile=True)
    yield driver
    driver.quit()
    shutil.rmtree(driver.profile, ignore_errors=True)
