# SPDX-FileCopyrightText: 2026 The Somatra developers
# SPDX-License-Identifier: MIT
# What a blind person hears of Somatra: real keys drive the real program while the Orca screen reader
# runs, in the language that LANGUAGE asks for (English without one), and each step is judged by what
# Orca spoke (its debug log). Started by run.sh on a private desktop with SOMATRA_PID and ORCA_LOG set.
import os
import re
import subprocess
import sys
import time

import pyatspi

# What Orca says of Somatra's own words after each step, in order, per language. Orca's own words
# (roles, states) are heard in English only. Numbers follow the C locale of the run; Orca drops the
# points ("229" for 22.9).
HEARD = {
    "en": {
        "results": ["BMI", "Total energy expenditure"],  # how the announcements of results begin
        "orca never": ["percent", "notification"],
        "groups": ["Age", "Levels of physical activity", "Non-occupational activity", "Occupation work"],
        "range": ["Appropriate weight 57 to 76 kilograms"],
        "weight": ["Weight in kilograms text"],
        "bmi": ["7 0 BMI 229, normal weight"],
        "bmi box": ["BMI (Body Mass Index) read only text", "229", "Kilograms per square metre"],
        "age": ["Age 18 to 29", "radio button", "1 of 3"],
        "chosen": ["selected"],
        "outside work": ["Levels of physical activity", "Non-occupational activity Non-active"],
        "moderately": ["Moderately active", "2 of 3", "selected"],
        "at work": ["Occupation work Non-active"],
        "male": ["Sex Male", "Total energy expenditure 2,933 kilocalories"],
        "weight again": ["Weight in kilograms text", "70 selected"],
        "100 kg": ["BMI 327, obesity Total energy expenditure 3,678 kilocalories"],
        "screen": [
            "Height in centimetres: 175",
            "Weight in kilograms: 100",
            "Appropriate weight 57 to 76 kilograms",
            "Body mass index scale: 327, obesity",
        ],
        "menu bar": ["About", "Menu bar"],
        "weight 100": ["Weight in kilograms text 100"],
        "about": ["About Somatra dialog Somatra is a compact application", "Close button"],
        "units": ["Units Metric", "1 of 2"],
        "english": ["English", "English units, height and weight cleared No BMI"],
        "feet": ["Height in feet text", "Whole feet, with the inches in the next box"],
        "inches": ["Inches text"],
        "pounds": ["Weight in pounds text", "Appropriate weight 128 to 172 pounds"],
        "154 lbs": ["BMI 224, normal weight Total energy expenditure 2,930 kilocalories"],
    },
    "de": {
        "results": ["BMI", "Gesamtenergieumsatz"],
        "range": ["Angemessenes Gewicht 57 bis 76 Kilogramm"],
        "weight": ["Gewicht in Kilogramm"],
        "bmi": ["7 0 BMI 229, Normalgewicht"],
        "age": ["Alter 18 bis 29", "1 von 3"],
        "male": ["Geschlecht Männlich", "Gesamtenergieumsatz 2,933 Kilokalorien"],
        "screen": [
            "Größe in Zentimetern: 175",
            "Gewicht in Kilogramm: 100",
            "Angemessenes Gewicht 57 bis 76 Kilogramm",
            "Skala des Body-Mass-Index: 327, Adipositas",
        ],
        "about": ["Über Somatra", "Somatra ist ein kompaktes Programm", "Schließen"],
        "units": ["Einheiten Metrische Einheiten", "1 von 2"],
        "english": [
            "Angloamerikanische Einheiten",
            "Angloamerikanische Einheiten, Größe und Gewicht gelöscht Kein BMI",
        ],
        "pounds": ["Gewicht in Pfund", "Angemessenes Gewicht 128 bis 172 Pfund"],
    },
    "uk": {
        "results": ["ІМТ", "Загальні витрати енергії"],
        "range": ["Належна вага від 57 до 76 кілограмів"],
        "weight": ["Вага в кілограмах"],
        "bmi": ["7 0 ІМТ 229, нормальна маса тіла"],
        "age": ["Вік Від 18 до 29", "1 з 3"],
        "male": ["Стать Чоловіча", "Загальні витрати енергії: 2,933 кілокалорії"],
        "screen": [
            "Зріст у сантиметрах: 175",
            "Вага в кілограмах: 100",
            "Належна вага від 57 до 76 кілограмів",
            "Шкала індексу маси тіла: 327, ожиріння",
        ],
        "about": ["Про Somatra", "Somatra — компактна програма", "Закрити"],
        "units": ["Одиниці виміру Метричні одиниці", "1 з 2"],
        "english": ["Англійські одиниці", "Англійські одиниці, зріст і вагу очищено Немає ІМТ"],
        "pounds": ["Вага у фунтах", "Належна вага від 128 до 172 фунтів"],
    },
}
PHRASES = HEARD[os.environ.get("LANGUAGE", "")[:2] or "en"]
failures = []


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True).stdout.strip()


def spoken():
    with open(os.environ["ORCA_LOG"], errors="replace") as log:
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|None|$)", log.read(), re.M)


# What Orca said, as one line: Orca versions differ in how they split and punctuate the same words,
# and in a role's name.
def joined(said):
    heard = " ".join(said).replace("push button", "button")
    return re.sub(r"\s+", " ", heard).replace(".", "").strip()


# The phrases of the key that what was heard lacks: the first one missing and those after it.
def missing(heard, key):
    at, phrases = 0, PHRASES.get(key, [])
    for n, phrase in enumerate(phrases):
        found = heard.find(phrase, at)
        if found < 0:
            return phrases[n:]
        at = found + len(phrase)
    return []


# Sends keys (or types text), then returns what Orca said until it has been quiet for a while, long
# enough for the announcement that follows a pause in typing, and has said the phrases of the key; or
# until the time is up, which a loaded machine may take.
def step(*keys, text=None, key=None, quiet=1.6, timeout=12):
    before = len(spoken())
    if text:
        run("xdotool", "type", "--delay", "120", text)
    elif keys:
        run("xdotool", "key", "--delay", "150", *keys)
    said, last, end = [], time.monotonic(), time.monotonic() + timeout
    while time.monotonic() < end and (time.monotonic() - last < quiet or missing(joined(said), key)):
        time.sleep(0.1)
        now = spoken()[before:]
        if len(now) > len(said):
            said, last = now, time.monotonic()
    if os.environ.get("SOMATRA_ORCA_TRANSCRIPT"):
        print(" | ".join(s.strip() for s in said), flush=True)
    return joined(said)


# Checks that what was heard holds the phrases of the key, in order, and none of the unwanted.
def judge(what, heard, key, never=()):
    if missing(heard, key):
        failures.append(f"after {what}, Orca did not say {missing(heard, key)[0]!r}; it said: {heard!r}")
    failures.extend(f"after {what}, Orca said {p!r}: {heard!r}" for p in never if re.search(p, heard))


# A step, judged.
def listen(what, key, *keys, text=None, never=()):
    judge(what, step(*keys, text=text, key=key), key, never)


pid = int(os.environ["SOMATRA_PID"])
for _ in range(100):
    window = run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "^Somatra$", check=False)
    if window:
        break
    time.sleep(0.2)
run("xdotool", "windowactivate", "--sync", window.split()[0])
step(quiet=2.5)
for _ in range(100):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid), None)
    if app:
        break
    time.sleep(0.2)

BMI, ENERGY = PHRASES["results"]
ORCA_NEVER = PHRASES.get("orca never", [])  # Orca's own words that must never be heard
RESULTS = rf"{BMI} \d|{ENERGY}"
# A group said twice. Only in English: elsewhere a description may hold a group's name.
AGE, LEVELS, OUTSIDE, AT_WORK = (f"{title}.*{title}" for title in PHRASES.get("groups", ["(?!)"] * 4))
# Metric: results are announced once the person pauses, only what changed, never without a change.
# The height alone gives the range; a BMI needs the weight too.
listen("typing 175 cm", "range", text="175", never=[RESULTS])
listen("Tab", "weight", "Tab", never=[RESULTS])
listen("typing 70 kg", "bmi", text="70", never=[f"{BMI} 229.*{BMI} 229", *ORCA_NEVER])
listen("Tab to the BMI box", "bmi box", "Tab")
listen("Tab to the age group", "age", "Tab", "Tab", never=[AGE])
listen("choosing 18-29", "chosen", "space", never=[RESULTS])
listen("Tab to the activity outside work", "outside work", "Tab", never=[LEVELS, OUTSIDE])
listen("choosing moderately active", "moderately", "Right", "space", never=[RESULTS])
listen("Tab to the activity at work", "at work", "Tab", never=[AT_WORK])
listen("choosing non-active at work", None, "space", never=[RESULTS])
listen("choosing male", "male", "Tab", "space")
listen("going back to the weight", "weight again", *["shift+Tab"] * 6)
step("ctrl+a")
listen("typing 100 kg", "100 kg", text="100", never=[re.escape(PHRASES["range"][0])])

# The screen as a whole, read by flat review: the scale and the range say what they show in words.
# Orca 48 sometimes takes the double press for two single ones, which say nothing here.
for _ in range(3):
    screen = step("KP_Add", "KP_Add", key="screen", quiet=3, timeout=40)
    if screen:
        break
judge("reading the window", screen, "screen", never=[" 2 ", r"Weak|Moderate\b", " - ", *ORCA_NEVER])

# The menu bar and the About window: however About opens and closes, the focus comes back.
listen("F10", "menu bar", "F10")
listen("Escape in the menu bar", "weight 100", "Escape")
listen("F10 and Return", "about", "F10", "Return")
listen("Escape in About", "weight 100", "Escape")

# English units: the switch is heard with the cleared boxes; the boxes say their units in words.
listen("Tab to the units", "units", *["Tab"] * 7)
listen("choosing English units", "english", "Right")
listen("Tab to the height", "feet", "Tab")
listen("typing 5 ft", "inches", text="5\t")
listen("typing 9.5 in", "pounds", text="9.5\t")
listen("typing 154 lbs", "154 lbs", text="154")

# Dead keys and letters on a German keyboard stay out of the weight box; digits and a point get in.
texts = pyatspi.findAllDescendants(app, lambda node: node.getRoleName() == "text")
weight = next(box for box in texts if box.queryText().getText(0, -1) == "154")
run("setxkbmap", "de")
step(*"BackSpace BackSpace BackSpace dead_circumflex 2 dead_acute e a space period comma 6 8".split())
run("setxkbmap", "us")
typed = weight.queryText().getText(0, -1)
if not re.fullmatch(r"2?\.68", typed):
    failures.append(f"the weight box holds {typed!r} after dead keys and 6, 8")

for failure in failures:
    print("FAIL:", failure, flush=True)
sys.exit(f"{len(failures)} failure(s)" if failures else 0)
