# SPDX-License-Identifier: GPL-3.0-or-later
"""A small AT-SPI client for the end-to-end tests, as a screen reader sees the game: it starts
the real program, finds objects by role and name, calls their actions and waits for events.
Run inside tests/atspi_session.sh, which provides the buses."""

import os
import shutil
import subprocess
import tempfile
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# How long anything may take to show up before the test gives up.
TIMEOUT = 10.0
_STEP = 0.02


class Failure(Exception):
    """What the test expected did not happen."""


def _pump():
    """Lets the client's main loop hand over the events that have arrived."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_until(what, probe, timeout=TIMEOUT):
    """Returns probe()'s first true answer, dispatching events meanwhile; fails after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        _pump()
        try:
            answer = probe()
        except GLib.Error:
            answer = None  # an object that went away while it was looked at
        if answer:
            return answer
        if time.monotonic() > deadline:
            raise Failure(f"{what}: not within {timeout:g} s")
        time.sleep(_STEP)


def _matches(node, role, name):
    return node.get_role_name() == role and (name is None or node.get_name() == name)


def search(node, role, name):
    if node is None:
        return None
    if _matches(node, role, name):
        return node
    for index in range(node.get_child_count()):
        found = search(node.get_child_at_index(index), role, name)
        if found is not None:
            return found
    return None


def find(root, role, name=None, timeout=TIMEOUT):
    """The first object under root, root included, of the role (AT-SPI's name for it, such as
    "push button") and, when given, the accessible name; waits for it to appear."""
    return wait_until(f'no {role} "{name}"', lambda: search(root, role, name), timeout)


def act(node, action):
    """Calls the object's action of that name ("Press", "Toggle", ...) and returns at once: an
    action that opens a modal dialog answers only when the dialog closes, which the test does
    not wait for."""
    with warnings.catch_warnings():
        # The plain name, not the one Qt translates into the game's language; its newer
        # spelling is missing from the bindings of this libatspi.
        warnings.simplefilter("ignore", DeprecationWarning)
        names = [node.get_action_name(i) for i in range(node.get_n_actions())]
    if action not in names:
        raise Failure(f'"{node.get_name()}" has no action {action}, only {names}')
    Atspi.set_timeout(_ACTION_TIMEOUT_MS, -1)
    try:
        node.do_action(names.index(action))
    except GLib.Error as error:
        if (error.domain, error.code) != _NO_REPLY:
            raise
    finally:
        Atspi.set_timeout(_DEFAULT_TIMEOUT_MS, -1)


_ACTION_TIMEOUT_MS = 200
# libatspi's error for a call that was not answered in time (ATSPI_ERROR_IPC), which the
# bindings do not name.
_NO_REPLY = ("atspi_error", 1)
_DEFAULT_TIMEOUT_MS = 5000


class Heard:
    """An event as it arrived: its object, and that object's name read then. The name travels
    apart from the event, and may have changed again by the time the test looks."""

    def __init__(self, event):
        self.source = event.source
        self.name = event.source.get_name()


class Events:
    """Records the events of the given types ("object:property-change:accessible-name", ...)
    from the moment it is made, so that an event that comes before the test looks for it is not
    lost."""

    def __init__(self, *kinds):
        self._seen = []
        self._listener = Atspi.EventListener.new(lambda event: self._seen.append(Heard(event)))
        self._kinds = kinds
        for kind in kinds:
            self._listener.register(kind)

    def wait(self, what, accept, timeout=TIMEOUT):
        """Waits for a recorded event that accept(event) takes, and returns it."""

        def probe():
            for event in self._seen:
                if accept(event):
                    self._seen.remove(event)
                    return event
            return None

        return wait_until(what, probe, timeout)

    def close(self):
        for kind in self._kinds:
            self._listener.deregister(kind)


class Game:
    """The real program, started in a folder of its own with the settings file given, and its
    application object on the accessibility bus."""

    def __init__(self, binary, settings_text):
        self.folder = tempfile.mkdtemp()
        for name in ("tavlen-sound.so", "Put.wav", "help.html"):
            source = os.path.join(os.path.dirname(binary), name)
            if os.path.exists(source):
                shutil.copy(source, self.folder)
        shutil.copy(binary, os.path.join(self.folder, "tavlen"))
        with open(os.path.join(self.folder, "Param.ini"), "wb") as settings:
            settings.write(settings_text.replace("\n", "\r\n").encode("cp1251"))
        environment = dict(os.environ, HOME=self.folder, QT_QPA_PLATFORM="xcb")
        # No sound server: the one line the game says about it is not this test's business.
        environment["PULSE_SERVER"] = "unix:/nonexistent/pulse/native"
        self.process = subprocess.Popen(["./tavlen"], cwd=self.folder, env=environment,
                                        stderr=subprocess.DEVNULL)
        Atspi.set_timeout(_DEFAULT_TIMEOUT_MS, -1)
        self.app = wait_until("the game on the accessibility bus", self._application)

    def _application(self):
        if self.process.poll() is not None:
            raise Failure(f"the game ended with {self.process.returncode}")
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(TIMEOUT)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)
