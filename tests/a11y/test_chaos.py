# SPDX-FileCopyrightText: 2026 The Somatra developers
# SPDX-License-Identifier: MIT
# A hostile assistive client: for about a minute, calls every method and property of every interface
# of every object that Somatra offers on the AT-SPI bus, over raw D-Bus, with edge and random arguments
# drawn from SOMATRA_CHAOS_SEED. Fails on a call left without an answer for 5 s, on the program's exit,
# on a sanitizer report in its log, and on a write that the keyboard could not make: into a read-only
# or hidden box (which must also report failure), a text that reads back other than its count, or one
# that is no number where a paste would be refused.
# Started by run.sh with SOMATRA_PID and SOMATRA_LOG set.
import math
import os
import random
import re
import sys
import time
import xml.etree.ElementTree as ET

from gi.repository import Gio, GLib

seed = int(os.environ.get("SOMATRA_CHAOS_SEED") or time.time_ns() % 1000000)
print(f"test_chaos: seed {seed}", flush=True)
rng = random.Random(seed)
FILL = "1" * 32767  # the longest text a box takes
ROOT = "/org/a11y/atspi/accessible/root"
TEXT, EDIT = "org.a11y.atspi.Text", "org.a11y.atspi.EditableText"
ACCESSIBLE, PROPERTIES = "org.a11y.atspi.Accessible", "org.freedesktop.DBus.Properties"
LOST = ("NoReply", "ServiceUnknown", "NameHasNoOwner", "Disconnected")  # the program is gone
GONE = [None] + [f"org.freedesktop.DBus.Error.{e}" for e in LOST]
INTEGERS = [0, 1, -1, 2, 40, 2**31 - 1, 2**31 - 2, -(2**31), -(2**31) + 1]
BITS = {"y": 8, "n": 16, "q": 16, "i": 32, "u": 32, "x": 64, "t": 64}
STRINGS = ["", "7", "-70", "abc", "1e308", "72,5", "\u0663\u00e9", FILL]
DOUBLES = [0.0, 5.0, -1.0, 1e308, -1e308, math.nan, math.inf]


def fail(why):
    log = open(os.environ["SOMATRA_LOG"], errors="replace").read()
    sys.exit(f"FAIL (seed {seed}): {why}\n{log[-3000:]}")


# The answer, or None for an error reply; no answer, or a lost program, fails.
def call(path, interface, method, args=None):
    try:
        return bus.call_sync(app, path, interface, method, args, None, 0, 5000).unpack()
    except GLib.Error as error:
        if Gio.DBusError.get_remote_error(error) in GONE:
            fail(f"{interface}.{method}{str(args)[:200]} on {path}: {error.message}")


# An edge or a random value of a basic D-Bus type.
def value(kind):
    if kind in BITS:
        number, bits = rng.choice(INTEGERS + [rng.randrange(-(2**31), 2**31)]), BITS[kind]
        if kind in "yqut":
            return number % 2**bits
        return max(-(2 ** (bits - 1)), min(number, 2 ** (bits - 1) - 1))
    if kind == "d":
        return rng.choice(DOUBLES + [rng.uniform(-99, 99)])
    if kind == "s":
        return rng.choice(STRINGS + ["x" * rng.randrange(99)])
    if kind == "v":
        return GLib.Variant(*rng.choice([("i", value("i")), ("s", value("s")), ("d", value("d"))]))
    return rng.random() < 0.5 if kind == "b" else rng.choice([ROOT, "/"])


# Random arguments, none, the whole text (offsets 0 to -1, the longest text), random again.
def calls(signature):
    if not re.fullmatch("[ynqiuxtdsvbo]*", signature):
        return [None]
    offsets = iter([0] + [-1] * len(signature))
    whole = [next(offsets) if k == "i" else FILL if k == "s" else value(k) for k in signature]
    chosen = [[value(k) for k in signature], whole, [value(k) for k in signature]]
    return [None] + [GLib.Variant(f"({signature})", tuple(args)) for args in chosen]


def objects():
    found, todo = [], [ROOT]
    while todo:
        path = todo.pop()
        found.append(path)
        children = (call(path, ACCESSIBLE, "GetChildren") or [[]])[0]
        todo += [child for _, child in children if child not in found + todo]
    return found


def state(path, bit):  # 7 editable, 30 visible
    bits = (call(path, ACCESSIBLE, "GetState") or [[0, 0]])[0]
    return bits[bit // 32] >> bit % 32 & 1


# The box's whole text, which must read back as many characters as it counts.
def text(path):
    got = call(path, TEXT, "GetText", GLib.Variant("(ii)", (0, -1)))
    count = call(path, PROPERTIES, "Get", GLib.Variant("(ss)", (TEXT, "CharacterCount")))
    if got and count and len(got[0]) != count[0]:
        fail(f"{path} reads {len(got[0])} characters, counts {count[0]}")
    return got and got[0]


# Calls the method with each set of arguments; a write must leave what a paste would.
def exercise(path, name, method):
    signature = "".join(a.get("type") for a in method.iter("arg") if a.get("direction") != "out")
    for args in calls(signature):
        closed = name == EDIT and not (state(path, 7) and state(path, 30))
        before = name == EDIT and text(path)
        answer = call(path, name, method.get("name"), args)
        after = name == EDIT and text(path)
        said = f"{method.get('name')}{str(args)[:99]}"
        if closed and (after != before or answer and answer[0] is True):
            fail(f"{said} on the read-only or hidden {path}: {answer}")
        if after and not closed and not re.fullmatch(r"\d*\.?\d*", after):
            fail(f"{said} left {after[:40]!r} in {path}")


session = Gio.bus_get_sync(Gio.BusType.SESSION)
address = session.call_sync(
    "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None, 0, 5000
)
flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
bus = Gio.DBusConnection.new_for_address_sync(address.unpack()[0], flags)
daemon = ("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus")
app, pid = None, int(os.environ["SOMATRA_PID"])
while not app:
    time.sleep(0.2)
    for name in bus.call_sync(*daemon, "ListNames", None, None, 0, 5000).unpack()[0]:
        owner = bus.call_sync(
            *daemon, "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), None, 0, 5000
        )
        if owner.unpack()[0] == pid and name.startswith(":"):
            app = name
while not call(ROOT, ACCESSIBLE, "GetChildren")[0]:  # the window is on the bus
    time.sleep(0.2)

end = time.monotonic() + float(os.environ.get("SOMATRA_CHAOS_SECONDS", 60))
while time.monotonic() < end:
    for path in objects():
        introspection = call(path, "org.freedesktop.DBus.Introspectable", "Introspect") or ["<node/>"]
        node = ET.fromstring(introspection[0])
        if any(i.get("name") == EDIT for i in node.iter("interface")):
            if not state(path, 30) and path in objects():
                fail(f"the hidden box {path} is in the tree")
            call(path, EDIT, "SetTextContents", GLib.Variant("(s)", (FILL,)))  # crossed by every range
        for interface in node.iter("interface"):
            name = interface.get("name")
            for prop in interface.iter("property"):
                call(path, PROPERTIES, "Get", GLib.Variant("(ss)", (name, prop.get("name"))))
                call(path, PROPERTIES, "Set", GLib.Variant("(ssv)", (name, prop.get("name"), value("v"))))
            call(path, PROPERTIES, "GetAll", GLib.Variant("(s)", (name,)))
            for method in interface.iter("method"):
                exercise(path, name, method)
        if time.monotonic() > end:
            break
call(ROOT, ACCESSIBLE, "GetChildren")  # the program still answers
if re.search(r"ERROR: \w+Sanitizer|runtime error:", open(os.environ["SOMATRA_LOG"], errors="replace").read()):
    fail("a sanitizer report")
print("test_chaos: the program answered every call", flush=True)
