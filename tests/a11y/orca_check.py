#!/usr/bin/python3
"""Uses the calculator as a blind user would, with the Orca screen reader, and checks
what Orca says: the window title at start, the chosen radio button, a box's name when
it takes the focus, the result after CALCOLO, its menu from the keyboard, a zero operand,
the formula after a selection, an error's message.

usage: dbus-run-session -- orca_check.py PROGRAM WORK_DIR

Everything runs privately: an Xvfb display with openbox, the accessibility bus on the
session bus that dbus-run-session gives, Orca with its own home and a silent
speech-dispatcher. Orca's speech is read from its debug log (the lines
SPEECH OUTPUT: '...'); keys are typed with xdotool.
"""

import os
import pty
import re
import shutil
import subprocess
import sys
import threading
import time

TIME_LIMIT = 30  # seconds for each thing awaited; generous for sanitizer builds

# Orca's focus line for a control: its name, then its role.
FOCUS_LINE = re.compile(r"(push button|text|selected radio button)\.?$")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{.*\}$", re.DOTALL)
CONTINUED = " " * 18


class Failure(Exception):
    pass


def wait_until(what, condition, limit=TIME_LIMIT):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise Failure(f"gave up after {limit} s waiting for {what}")


class OrcaLog:
    """Orca's debug log, read as it is written. Python line-buffers a file that is a
    terminal, so Orca writes it to a pseudo-terminal and every line arrives at once."""

    def __init__(self, path):
        self.path = path
        self.lines = []
        self._lock = threading.Lock()
        self.master, self.slave = pty.openpty()
        self.terminal = os.ttyname(self.slave)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        with open(self.path, "wb") as copy:
            while True:
                try:
                    data = os.read(self.master, 65536)
                except OSError:
                    return
                if not data:
                    return
                copy.write(data)
                copy.flush()
                *complete, pending = (pending + data).split(b"\n")
                with self._lock:
                    self.lines.extend(line.decode("utf-8", "replace").rstrip("\r") for line in complete)

    def spoken(self):
        """Everything Orca has said so far, one utterance an item."""
        with self._lock:
            lines = list(self.lines)
        utterances = []
        for index, line in enumerate(lines):
            if "SPEECH OUTPUT: '" not in line:
                continue
            # Orca indents the further lines of a text with line breaks.
            entry = line
            following = index + 1
            while not SPOKEN.search(entry) and following < len(lines) and lines[following].startswith(CONTINUED):
                entry += "\n" + lines[following][len(CONTINUED):]
                following += 1
            match = SPOKEN.search(entry)
            if match:
                utterances.append(match.group(1))
        return utterances

    def has(self, text):
        with self._lock:
            return any(text in line for line in self.lines)

    def tail(self, count=80):
        with self._lock:
            return "\n".join(self.lines[-count:])


class Session:
    def __init__(self, program, work):
        self.program = program
        self.work = work
        self.processes = []
        home = os.path.join(work, "home")
        runtime = os.path.join(work, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LANGUAGE")}
        # Orca keeps its settings, dconf its database, under this home, never the user's.
        self.env.update(HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_DATA_HOME=os.path.join(home, ".local/share"), XDG_CACHE_HOME=os.path.join(home, ".cache"),
                        XDG_SESSION_TYPE="x11", GDK_BACKEND="x11", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
        self.configure_speech()
        self.orca_log = None

    def configure_speech(self):
        """Orca speaks through the speech-dispatcher it starts, which reads this home's
        configuration before the system's. Left to the system's, it picks whatever
        synthesizer is installed: none here, so Orca goes without speech; espeak-ng on a
        machine that has it, which with no sound server blocks Orca's first utterance.
        So its one voice runs a command that does nothing, and the sound device that
        every module must open is ALSA's null one, which takes the samples and discards them."""
        folder = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(folder)
        module = os.path.join(folder, "silent.conf")
        with open(module, "w") as f:
            f.write('GenericExecuteSynth "true"\nAddVoice "en" "MALE1" "silent"\n')
        with open(os.path.join(folder, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                    f'AddModule "silent" "sd_generic" "{module}"\nDefaultModule "silent"\n')

    def start(self, name, command, env=None, **kwargs):
        output = open(os.path.join(self.work, name + ".out"), "wb")
        process = subprocess.Popen(command, env=env or self.env, stdout=output, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append((name, process))
        return process

    def output_of(self, name):
        with open(os.path.join(self.work, name + ".out"), "rb") as f:
            return f.read().decode("utf-8", "replace")

    def run(self, *command):
        subprocess.run(command, env=self.env, check=True, timeout=TIME_LIMIT)

    def stop(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
        for name, process in reversed(self.processes):
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if self.orca_log:
            os.close(self.orca_log.slave)

    def start_desktop(self):
        read_end, write_end = os.pipe()
        # -noreset: the accessibility bus launcher marks the display and leaves it; a
        # server that resets then turns away whoever connects in that moment.
        xvfb = self.start("xvfb", ["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1024x768x24",
                                   "-nolisten", "tcp"], pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as display:
            self.env["DISPLAY"] = ":" + display.readline().strip()
        if xvfb.poll() is not None:
            raise Failure(f"Xvfb ended with {xvfb.returncode}:\n" + self.output_of("xvfb"))
        self.start("at-spi-bus-launcher", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.start("openbox", ["openbox"])
        # openbox publishes its desktops once it manages the screen.
        try:
            wait_until(f"openbox on {self.env['DISPLAY']}",
                       lambda: subprocess.run(["xdotool", "get_num_desktops"], env=self.env,
                                              capture_output=True).returncode == 0)
        except Failure as failure:
            raise Failure(f"{failure}\n--- Xvfb ({xvfb.poll() or 'running'})\n{self.output_of('xvfb')}"
                          f"--- openbox\n{self.output_of('openbox')}") from None

    def start_orca(self):
        if shutil.which("orca") is None:
            raise Failure("orca is not installed (scripts/setup.sh test installs it)")
        self.orca_log = OrcaLog(os.path.join(self.work, "orca-debug.log"))
        orca = self.start("orca", ["orca", "--debug-file=" + self.orca_log.terminal, "-e", "speech"])
        try:
            wait_until("Orca to start", lambda: orca.poll() is not None or "Screen reader on." in self.orca_log.spoken())
        except Failure as failure:
            raise Failure(f"{failure}\n--- Orca's output\n{self.output_of('orca')}\n--- Orca's log\n"
                          f"{self.orca_log.tail()}") from None
        if orca.poll() is not None:
            raise Failure(f"Orca ended with {orca.returncode}\n--- Orca's output\n{self.output_of('orca')}\n"
                          f"--- Orca's log\n{self.orca_log.tail()}")
        # Orca carries on without speech when it cannot reach speech-dispatcher, and still
        # logs what it would have said.
        if self.orca_log.has("Speech Dispatcher service failed to connect"):
            raise Failure("Orca could not reach speech-dispatcher: see its log under runtime/speech-dispatcher")

    def start_program(self):
        env = dict(self.env, LANG="it_IT.UTF-8", LANGUAGE="it")
        return self.start("program", [self.program], env=env)


class User:
    """Keys in, speech out."""

    def __init__(self, session):
        self.session = session
        self.heard = 0  # utterances already looked at

    def hears(self, words):
        """Waits for an utterance that contains words; returns it."""
        def find():
            spoken = self.session.orca_log.spoken()
            for index in range(self.heard, len(spoken)):
                if words in spoken[index]:
                    self.heard = index + 1
                    return spoken[index]
            return None
        utterance = wait_until(f"Orca to say {words!r}", find)
        print(f"Orca: {utterance!r}")
        return utterance

    def presses(self, *keys):
        self.heard = len(self.session.orca_log.spoken())
        self.session.run("xdotool", "key", "--clearmodifiers", *keys)

    def types(self, text):
        self.session.run("xdotool", "type", "--delay", "50", text)

    def tabs_to(self, name):
        """Tab until Orca names the control that has the focus; returns that line."""
        for _ in range(20):
            self.presses("Tab")

            def focus_line():
                # The name and the role, which Orca may say in two utterances.
                spoken = [s for s in self.session.orca_log.spoken()[self.heard:] if s.strip() != "tab"]
                end = next((i for i, s in enumerate(spoken) if FOCUS_LINE.search(s)), None)
                return None if end is None else (spoken[end], " ".join(spoken[max(end - 1, 0):end + 1]))
            lines = wait_until("a focus line", focus_line)
            line = next((line for line in lines if line.startswith(name)), None)
            if line:
                print(f"Orca: {line!r}")
                return line
        raise Failure(f"Tab never reached {name!r}")


def check(session):
    session.start_desktop()
    session.start_orca()
    program = session.start_program()
    user = User(session)

    user.hears("TORVANEL      VER. 1.0      GIUGNO 2000")
    # VOLT, OHM and AMPERE: one choice of three, said as such.
    user.hears("VOLT.")
    user.hears("selected radio button")

    # V is the unknown at start: R and I in, CALCOLO, the voltage with its unit.
    resistance, current = 2, 3
    user.tabs_to("Resistenza R (ohm), input dati text")
    user.types(str(resistance))
    user.tabs_to("Corrente I (ampere), input dati text")
    user.types(str(current))
    user.tabs_to("CALCOLO push button")
    user.presses("space")
    user.hears(f"Tensione V (volt), risultato: {resistance * current} volt")

    # The result's menu from the keyboard, and the copy confirmed aloud.
    user.presses("shift+F10")
    user.hears("Copia")
    user.presses("Down", "Down", "Return")
    user.hears(f"Calcolo copiato: V uguale R per I uguale {resistance} ohm per {current} ampere")
    # Spoken at every opening, its entries too.
    user.presses("shift+F10")
    user.hears("Copia")
    user.presses("Down")
    user.hears("Copia con unità")
    user.presses("Escape")

    # A zero operand gives no result: said, as nothing on the screen changes.
    user.tabs_to("Corrente I (ampere), input dati text")
    user.presses("ctrl+a")
    user.types("0")
    user.tabs_to("CALCOLO push button")
    user.presses("space")
    user.hears("Nessun risultato: I è zero.")

    # A selection: the formula now in use, and the boxes emptied.
    user.tabs_to("AMPERE. not selected radio button")
    user.presses("space")
    user.hears("Formula in uso: I uguale V diviso R. Caselle dei dati svuotate.")

    # HELP: said to be shown, and the very next Tab reaches it.
    user.tabs_to("HELP push button")
    user.presses("space")
    user.hears("Testo di aiuto visualizzato")
    user.presses("Tab")
    user.hears("Testo di aiuto text")

    # A box that does not hold a number: the message box's text.
    user.tabs_to("Tensione V (volt), input dati text")
    user.types("abc")
    user.tabs_to("CALCOLO push button")
    user.presses("space")
    user.hears('Tensione V (volt): il testo "abc" non è un numero.')
    user.presses("Return")
    user.hears("CALCOLO push button")

    user.tabs_to("FINE push button")
    user.presses("space")
    wait_until("the program to end", lambda: program.poll() is not None)
    if program.returncode != 0:
        raise Failure(f"the program ended with {program.returncode}:\n{session.output_of('program')}")


def main():
    program, work = sys.argv[1:3]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    session = Session(os.path.abspath(program), work)
    started = time.monotonic()
    try:
        check(session)
    except (Failure, subprocess.SubprocessError) as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        if session.orca_log:
            print("--- all Orca said:\n" + "\n".join(session.orca_log.spoken()), file=sys.stderr)
        print(f"--- logs in {work}", file=sys.stderr)
        return 1
    finally:
        session.stop()
    print(f"Orca said all it should in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
