#!/usr/bin/python3
"""Measures brevant.exe under Wine and prints every figure in one Markdown table.

Run by tools/bench, which builds the programs and provides the X display
($DISPLAY), the Wine prefix ($WINEPREFIX) and a persistent wineserver.

A window is on the screen when the X server maps it. This script watches the
display's top-level windows for MapNotify and tells the program's windows
apart by their title and their _NET_WM_PID. It closes them with
WM_DELETE_WINDOW, which Wine hands to the window as a close command (WM_CLOSE),
and checks that every run ends with exit status 0.
"""
import argparse
import math
import os
import platform
import select
import statistics
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

from Xlib import X, display, error, protocol

DIALOG_TITLE = "Information"    # the caption of an information message
WINDOW_TITLE = "Brevant v1.03"  # the configuration window in window mode
MESSAGE_TEXT = "Bench"          # the floor shows the same text
INFORMATION_TYPE = 2            # "Type" of an information message in the config file
# Clock times in a config file follow the Windows locale Wine derives from
# LC_ALL; under this one they are 24-hour HH:MM:SS. All runs use it, so that
# Wine never has to switch the prefix's regional settings between runs.
LOCALE = "de_DE.UTF-8"
LAUNCH_TIMEOUT = 30             # seconds a window may take to appear
EXIT_TIMEOUT = 15               # seconds a closed program may take to end
SETTLE = 0.3                    # seconds a shown dialog is left before its memory is read
IDLE_SPAN = 60                  # seconds of waiting whose processor time is measured
IDLE_LEAD = IDLE_SPAN + 3       # how far ahead that wait's target lies
LATENESS_LEAD = 3               # whole seconds between a lateness run's start and its target
WAIT_REACHED = 1.5              # seconds after which a command-line run is in its wait: it shows nothing before
WAKE_WATCH = 0.5                # seconds before its target from which a waiting run is watched for its wake-up


def log(text):
    print(text, file=sys.stderr, flush=True)


class Screen:
    """The X display's top-level windows, watched for being mapped and unmapped."""

    def __init__(self):
        self.display = display.Display()
        self.display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        atom = self.display.intern_atom
        self.net_wm_name = atom("_NET_WM_NAME")
        self.utf8_string = atom("UTF8_STRING")
        self.net_wm_pid = atom("_NET_WM_PID")
        self.wm_protocols = atom("WM_PROTOCOLS")
        self.wm_delete_window = atom("WM_DELETE_WINDOW")
        self.display.sync()

    def _events(self, deadline):
        """Yields (event, monotonic time, wall time), the times taken when the
        event reached this process, until the deadline (monotonic) passes."""
        while True:
            stamp = time.monotonic(), time.time()
            if self.display.pending_events():
                while self.display.pending_events():
                    yield (self.display.next_event(), *stamp)
                continue
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return
            select.select([self.display], [], [], remaining)

    def _title(self, window):
        name = window.get_full_property(self.net_wm_name, self.utf8_string)
        return name.value.decode() if name else window.get_wm_name()

    def _owner(self, window):
        pid = window.get_full_property(self.net_wm_pid, X.AnyPropertyType)
        return pid.value[0] if pid else None

    def wait_for_map(self, pid, title, deadline):
        """The first window of process pid with this title mapped from now on:
        (window, monotonic time, wall time, monotonic time at which the first
        window of the process, whatever its title, was mapped)."""
        first = None
        for event, mono, wall in self._events(deadline):
            if event.type != X.MapNotify:
                continue
            try:
                if self._owner(event.window) != pid:
                    continue
                first = first or mono
                if self._title(event.window) == title:
                    return event.window, mono, wall, first
            except error.BadWindow:
                pass  # gone already: not the window waited for
        raise TimeoutError(f'no window "{title}" of process {pid} appeared')

    def close(self, window):
        message = protocol.event.ClientMessage(
            window=window, client_type=self.wm_protocols,
            data=(32, [self.wm_delete_window, X.CurrentTime, 0, 0, 0]))
        window.send_event(message)
        self.display.flush()


def task_files(pid, name):
    """The /proc file of that name of each thread of a process."""
    folder = f"/proc/{pid}/task"
    return [os.path.join(folder, task, name) for task in os.listdir(folder)]


def schedstat_sum(pid, field):
    """A field of the scheduler's own counts (/proc/pid/task/*/schedstat),
    summed over the threads of a process: 0 the time run on a processor in
    nanoseconds, 2 the times put on one, each counted as it happens."""
    total = 0
    for path in task_files(pid, "schedstat"):
        with open(path) as schedstat:
            total += int(schedstat.read().split()[field])
    return total


def processor_ns(pid):
    """Time a process has run on a processor, all its threads, in nanoseconds
    (the user and system ticks of /proc/pid/stat come in hundredths of a
    second, too coarse for a sleeping process)."""
    return schedstat_sum(pid, 0)


def wake_time(pid, target, deadline):
    """The wall-clock time at which a process sleeping towards the target
    first runs again, watched every half millisecond from WAKE_WATCH seconds
    before the target."""
    time.sleep(max(0.0, target - WAKE_WATCH - time.time()))
    asleep = schedstat_sum(pid, 2)
    while time.time() < deadline:
        if schedstat_sum(pid, 2) != asleep:
            return time.time()
        time.sleep(0.0005)
    raise TimeoutError(f"process {pid} did not wake for its target")


def wakeups(pid):
    """How often the threads of a process have gone to sleep, and so woken
    again: their voluntary context switches."""
    total = 0
    for path in task_files(pid, "status"):
        with open(path) as status:
            for line in status:
                if line.startswith("voluntary_ctxt_switches:"):
                    total += int(line.split()[1])
    return total


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError(f"process {pid} has no resident set")


def wineserver_pid(prefix):
    """The wineserver of the prefix: it works in a folder named after the
    prefix's device and inode."""
    info = os.stat(prefix)
    folder = f"server-{info.st_dev:x}-{info.st_ino:x}"
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/comm") as comm:
                if not comm.read().startswith("wineserver"):
                    continue
            if os.path.basename(os.readlink(f"/proc/{entry}/cwd")) == folder:
                return int(entry)
        except OSError:
            continue
    raise RuntimeError(f"no wineserver runs for {prefix}")


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


@dataclass
class Spread:
    """Several measurements of one figure."""
    values: list

    @property
    def median(self):
        return statistics.median(self.values)

    def ms(self):
        return (f"{self.median * 1000:.0f} ms "
                f"({min(self.values) * 1000:.0f}–{max(self.values) * 1000:.0f})")


@dataclass
class Starts:
    shown: dict   # kind of run: Spread of seconds to the window waited for
    first: dict   # kind of run: Spread of seconds to the process's first window
    memory: dict  # kind of run: median KiB resident while the dialog is shown


@dataclass
class Late:
    """Seconds after its target (negative: before)."""
    woke: float   # the program first ran again
    shown: float  # its message was on the screen


@dataclass
class IdleWait:
    program_share: float  # of one core
    server_share: float
    wakeups: int


class Bench:
    def __init__(self, brevant, floor, work):
        self.brevant = brevant
        self.floor = floor
        self.screen = Screen()
        self.env = dict(os.environ, LC_ALL=LOCALE)
        self.config = os.path.join(work, "bench.cfg")
        self.server = wineserver_pid(os.environ["WINEPREFIX"])

    def _launch(self, exe, *args):
        return subprocess.Popen(["wine", exe, *args], env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def _write_config(self, delay, time_text):
        with open(self.config, "w", newline="\r\n") as config:
            config.write(f"[Message1]\nText={MESSAGE_TEXT}\nType={INFORMATION_TYPE}\n"
                         f"Delay={delay}\nTime={time_text}\nButtons=OK\n")

    def _command_line_run(self):
        return self._launch(self.brevant, "/c" + windows_path(self.config))

    def _close(self, process, window):
        self.screen.close(window)
        status = process.wait(timeout=EXIT_TIMEOUT)
        if status != 0:
            raise RuntimeError(f"{process.args} ended with status {status}")

    def _run(self, start, body):
        """Starts a process and runs body on it; a process left behind by a
        failure is ended."""
        process = start()
        try:
            return body(process)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()

    def time_start(self, start, title, read_memory):
        """Seconds from the start of the process to the window with this title
        on the screen and to its first window of any title, and its resident
        memory (KiB) while the window is shown."""
        begun = time.monotonic()

        def body(process):
            window, shown, _, first = self.screen.wait_for_map(process.pid, title, begun + LAUNCH_TIMEOUT)
            memory = None
            if read_memory:
                time.sleep(SETTLE)
                memory = resident_kib(process.pid)
            self._close(process, window)
            return shown - begun, first - begun, memory

        return self._run(start, body)

    def start_rounds(self, rounds):
        """Floor, configuration window and command-line dialog in turn, so that
        a change in the machine's load falls on all three alike."""
        self._write_config("FALSE", "0")
        kinds = {
            "floor": (lambda: self._launch(self.floor), DIALOG_TITLE),
            "window": (lambda: self._launch(self.brevant), WINDOW_TITLE),
            "dialog": (self._command_line_run, DIALOG_TITLE),
        }
        shown = {kind: [] for kind in kinds}
        first = {kind: [] for kind in kinds}
        memory = {kind: [] for kind in kinds}
        for round_number in range(rounds + 1):
            for kind, (start, title) in kinds.items():
                seconds, first_seconds, kib = self.time_start(start, title, kind != "window")
                if round_number == 0:
                    continue  # warm-up
                shown[kind].append(seconds)
                first[kind].append(first_seconds)
                if kib is not None:
                    memory[kind].append(kib)
            log(f"start round {round_number}/{rounds} done")
        return Starts(shown={kind: Spread(values) for kind, values in shown.items()},
                      first={kind: Spread(values) for kind, values in first.items()},
                      memory={kind: statistics.median(values) for kind, values in memory.items() if values})

    def _clock_time_run(self, lead, during_wait):
        """Runs a config file whose clock time lies lead whole seconds ahead;
        during_wait(process) runs once the program waits. Gives its result and
        how late the program woke and the message appeared."""
        target = math.ceil(time.time()) + lead
        if time.localtime(target).tm_yday != time.localtime().tm_yday:
            # A clock time is read as one of today: start after midnight instead.
            time.sleep(target - time.time())
            target = math.ceil(time.time()) + lead
        self._write_config("TRUE", time.strftime("%H:%M:%S", time.localtime(target)))
        begun = time.monotonic()

        def body(process):
            time.sleep(max(0.0, begun + WAIT_REACHED - time.monotonic()))
            result = during_wait(process)
            deadline = time.monotonic() + (target - time.time()) + LAUNCH_TIMEOUT
            woke = wake_time(process.pid, target, time.time() + (deadline - time.monotonic()))
            dialog, _, shown, _ = self.screen.wait_for_map(process.pid, DIALOG_TITLE, deadline)
            self._close(process, dialog)
            return result, Late(woke=woke - target, shown=shown - target)

        return self._run(self._command_line_run, body)

    def lateness(self, runs):
        late = []
        for run in range(runs):
            late.append(self._clock_time_run(LATENESS_LEAD, lambda process: None)[1])
            log(f"lateness run {run + 1}/{runs}: woke {late[-1].woke * 1000:.1f} ms, "
                f"shown {late[-1].shown * 1000:.1f} ms")
        return late

    def idle_wait(self):
        """Over IDLE_SPAN seconds of the wait: the processor time of the
        program and of the wineserver as shares of one core, the program's
        wake-ups, and the run's lateness."""

        def sample(process):
            return (time.monotonic(), processor_ns(process.pid), processor_ns(self.server),
                    wakeups(process.pid))

        def measure(process):
            first = sample(process)
            time.sleep(IDLE_SPAN)
            last = sample(process)
            span = (last[0] - first[0]) * 1e9
            return IdleWait(program_share=(last[1] - first[1]) / span, server_share=(last[2] - first[2]) / span,
                            wakeups=last[3] - first[3])

        log(f"waiting {IDLE_LEAD} s for a message, measuring {IDLE_SPAN} s of it")
        return self._clock_time_run(IDLE_LEAD, measure)


def set_processors(pids, processors):
    """Lets the processes (0: this one, and what it starts from then on) run
    only on these processors."""
    for pid in pids:
        os.sched_setaffinity(pid, processors)


def command_output(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout.strip()


def look():
    """The look of the prefix the figures are measured in (tools/wine-env.sh)."""
    if os.environ.get("BREVANT_THEME") == "classic":
        return "no visual style (classic look)"
    return "Wine's own theme (visual style on)"


def cpu_model():
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return platform.processor() or "unknown"


def stripped_size(exe):
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "stripped.exe")
        subprocess.run(["x86_64-w64-mingw32-strip", "-o", copy, exe], check=True)
        return os.path.getsize(copy)


def size_text(size):
    return f"{size:,} B ({size / 1024:.0f} KiB)"


def verdict(met):
    return "yes" if met else "**no**"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("brevant")
    parser.add_argument("floor")
    parser.add_argument("work", help="folder for the config file the runs use")
    parser.add_argument("--rounds", type=int, default=15, help="start measurements of each kind")
    parser.add_argument("--lateness-runs", type=int, default=5)
    options = parser.parse_args()

    load_before = os.getloadavg()
    bench = Bench(options.brevant, options.floor, options.work)
    starts = bench.start_rounds(options.rounds)
    late = bench.lateness(options.lateness_runs)
    idle, idle_late = bench.idle_wait()
    late.append(idle_late)
    every_processor = os.sched_getaffinity(0)
    log("the same start rounds with the wineserver and the programs on one processor")
    set_processors([0, bench.server], {min(every_processor)})
    one_processor = bench.start_rounds(options.rounds)
    set_processors([0, bench.server], every_processor)
    load_after = os.getloadavg()

    woke = Spread([run.woke for run in late])
    shown = Spread([run.shown for run in late])

    # The goals: the configuration window within 1.5 times the floor, a
    # command-line message, which shows nothing else, within 1.2 times.
    limits = {"window": 1.5, "dialog": 1.2}

    def start_row(label, runs, kind):
        floor = runs.shown["floor"]
        ratio = runs.shown[kind].median / floor.median
        fastest = min(runs.shown[kind].values) / min(floor.values)
        return (f"| {label} | {runs.shown[kind].ms()} | {floor.ms()} | at most {limits[kind]} × floor: "
                f"{ratio:.2f} × (fastest runs {fastest:.2f} ×) | {verdict(ratio <= limits[kind])} |")

    size = os.path.getsize(options.brevant)
    stripped = stripped_size(options.brevant)
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    revision = command_output("git", "-C", root, "describe", "--always", "--dirty")

    print(f"""## Benchmark, {time.strftime('%Y-%m-%d %H:%M %Z')}

Machine: {os.cpu_count()} × {cpu_model()} (nproc {len(os.sched_getaffinity(0))}), load average {load_before[0]:.1f} before and {load_after[0]:.1f} after the run; {command_output('wine', '--version')} on Xvfb, {look()}; brevant.exe of {revision}.

| Figure | brevant.exe | Floor (MessageBoxA exe) | Goal | Met |
|---|---|---|---|---|
| Exe size | {size_text(size)} | {size_text(os.path.getsize(options.floor))} | under 1 MiB | {verdict(size < 1 << 20)} |
| Exe size, stripped (as `-s` links it) | {size_text(stripped)} | | | |
{start_row("Start to configuration window on screen", starts, "window")}
{start_row("Start to message dialog on screen, `/c` file without delay", starts, "dialog")}
{start_row("Start to configuration window on screen, Wine on one processor", one_processor, "window")}
{start_row("Start to message dialog on screen, `/c` file without delay, Wine on one processor", one_processor, "dialog")}
| of which start to the first window of the process mapped (for `/c` its hidden window of 1 × 1 pixel, shown once at the start) | {starts.first['dialog'].ms()} | {starts.first['floor'].ms()} | | |
| Resident memory while the dialog is shown | {starts.memory['dialog'] / 1024:.1f} MiB | {starts.memory['floor'] / 1024:.1f} MiB | | |
| Processor time over a {IDLE_SPAN} s wait | {idle.program_share * 100:.4f} % of a core ({idle.program_share * IDLE_SPAN * 1000:.1f} ms; wineserver {idle.server_share * 100:.3f} %) | | under 0.02 % of a core | {verdict(idle.program_share < 0.0002)} |
| Wake-ups over the same {IDLE_SPAN} s | {idle.wakeups} | | none: it sleeps until the moment | {verdict(idle.wakeups == 0)} |
| Wake-up of the program after its target | {woke.ms()} | | at most 20 ms, never early | {verdict(max(woke.values) <= 0.02 and min(woke.values) >= 0)} |
| Message on the screen after its target | {shown.ms()} | | under 50 ms, never early | {verdict(max(shown.values) < 0.05 and min(shown.values) >= 0)} |

- Times are medians of {options.rounds} rounds (fastest–slowest in brackets), after one warm-up round that is not counted, with one wineserver kept running. Each round starts the floor, the configuration window and the `/c` run in turn, with no pause between runs. A goal is judged by the ratio of the medians; other work on the machine only ever adds time, so the ratio of the fastest runs shows the programs' own costs more closely.
- Start: just before the script runs `wine <exe>`, so Wine's own process start counts for the program and the floor alike. On screen: the X server maps the window with that title and the process's `_NET_WM_PID` (MapNotify, watched by an X client, python3-xlib). The windows are closed with WM_DELETE_WINDOW, which Wine turns into WM_CLOSE; every run ended with exit status 0.
- Wine on one processor: the same rounds again, after the other measurements, with the prefix's wineserver and every program started (with what they start) allowed on one processor only. Under Wine nearly every window call is a round trip to the wineserver, a second process; in a virtual machine a round trip between two processors costs several times one on the same processor, and a `/c` run, which builds no window but its dialog and a hidden one of 1 by 1 pixel, makes few more of them than the floor. On Windows these calls go to the system with no second process. Both programs run under the same conditions in each row.
- The floor is bench/floor.c, built static with `-mwindows`: MessageBoxA with the same text, caption and icon at once.
- Memory: VmRSS of the program's process {SETTLE} s after the dialog appeared; most of it is Wine's own, as the floor shows.
- Processor time: the run time the scheduler counts for every thread of the program's process (/proc/pid/task/*/schedstat, in nanoseconds) over {IDLE_SPAN} s of a wait for a clock time {IDLE_LEAD} s ahead; the same for the prefix's wineserver, which also serves Wine's own background processes of the prefix. Wake-ups: the voluntary context switches of the program's threads over the same span (/proc/pid/task/*/status), each one a sleep the program woke from.
- Lateness: the wall-clock moment the program first ran again (its count of times put on a processor in /proc/pid/task/*/schedstat changed, watched every half millisecond from {WAKE_WATCH} s before the target), and the moment its dialog was mapped, minus the target, a whole second written as a clock time in the config file ({LOCALE}, 24-hour); {len(late) - 1} runs with the target {LATENESS_LEAD}–{LATENESS_LEAD + 1} s ahead and the {IDLE_LEAD} s run. From the wake-up to the screen the program builds and shows its dialog.""")


if __name__ == "__main__":
    main()
