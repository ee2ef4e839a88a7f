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
        "about key": "alt+a",
        "units": ["Units Metric", "1 of 2"],
        "english": ["English", "English units, height and weight cleared No BMI"],
        "feet": ["Height in feet text", "Whole feet, with the inches in the next box"],
        "inches": ["Inches text"],
        "pounds": ["Weight in pounds text", "Appropriate weight 128 to 172 pounds"],
        "154 lbs": ["BMI 224, normal weight Total energy expenditure 2,930 kilocalories"],
    },
    "de": {
        "results": ["BMI", "Gesamtenergieumsatz"],
        "orca never": [],
        "groups": ["Alter", "Körperliche Aktivität", "Aktivität in der Freizeit", "Aktivität im Beruf"],
        "range": ["Angemessenes Gewicht 57 bis 76 Kilogramm"],
        "weight": ["Gewicht in Kilogramm"],
        "bmi": ["7 0 BMI 229, Normalgewicht"],
        "bmi box": ["BMI (Body-Mass-Index)", "229", "Kilogramm pro Quadratmeter"],
        "age": ["Alter 18 bis 29", "1 von 3"],
        "outside work": ["Körperliche Aktivität", "Aktivität in der Freizeit Inaktiv"],
        "moderately": ["Mäßig aktiv", "2 von 3"],
        "at work": ["Aktivität im Beruf Inaktiv"],
        "male": ["Geschlecht Männlich", "Gesamtenergieumsatz 2,933 Kilokalorien"],
        "weight again": ["Gewicht in Kilogramm", "70"],
        "100 kg": ["BMI 327, Adipositas Gesamtenergieumsatz 3,678 Kilokalorien"],
        "screen": [
            "Größe in Zentimetern: 175",
            "Gewicht in Kilogramm: 100",
            "Angemessenes Gewicht 57 bis 76 Kilogramm",
            "Skala des Body-Mass-Index: 327, Adipositas",
        ],
        "menu bar": ["Über", "Menüleiste"],
        "weight 100": ["Gewicht in Kilogramm", "100"],
        "about": ["Über Somatra", "Somatra ist ein kompaktes Programm", "Schließen"],
        "about key": "alt+b",
        "units": ["Einheiten Metrische Einheiten", "1 von 2"],
        "english": [
            "Angloamerikanische Einheiten",
            "Angloamerikanische Einheiten, Größe und Gewicht gelöscht Kein BMI",
        ],
        "feet": ["Größe in Fuß", "Nur ganze Fuß, Zoll ins nächste Feld"],
        "inches": ["Zoll"],
        "pounds": ["Gewicht in Pfund", "Angemessenes Gewicht 128 bis 172 Pfund"],
        "154 lbs": ["BMI 224, Normalgewicht Gesamtenergieumsatz 2,930 Kilokalorien"],
    },
    "uk": {
        "results": ["ІМТ", "Загальні витрати енергії"],
        "orca never": [],
        "groups": ["Вік", "Рівні фізичної активності", "Активність поза роботою", "Активність на роботі"],
        "range": ["Належна вага від 57 до 76 кілограмів"],
        "weight": ["Вага в кілограмах"],
        "bmi": ["7 0 ІМТ 229, нормальна маса тіла"],
        "bmi box": ["ІМТ (індекс маси тіла)", "229", "Кілограми на квадратний метр"],
        "age": ["Вік Від 18 до 29", "1 з 3"],
        "outside work": ["Рівні фізичної активності", "Активність поза роботою Низька"],
        "moderately": ["Помірна", "2 з 3"],
        "at work": ["Активність на роботі Низька"],
        "male": ["Стать Чоловіча", "Загальні витрати енергії: 2,933 кілокалорії"],
        "weight again": ["Вага в кілограмах", "70"],
        "100 kg": ["ІМТ 327, ожиріння Загальні витрати енергії: 3,678 кілокалорій"],
        "screen": [
            "Зріст у сантиметрах: 175",
            "Вага в кілограмах: 100",
            "Належна вага від 57 до 76 кілограмів",
            "Шкала індексу маси тіла: 327, ожиріння",
        ],
        "menu bar": ["Про програму", "Смужка меню"],
        "weight 100": ["Вага в кілограмах", "100"],
        "about": ["Про Somatra", "Somatra — компактна програма", "Закрити"],
        "units": ["Одиниці виміру Метричні одиниці", "1 з 2"],
        "english": ["Англійські одиниці", "Англійські одиниці, зріст і вагу очищено Немає ІМТ"],
        "feet": ["Зріст у футах", "Цілі фути, дюйми в наступному полі"],
        "inches": ["Дюйми"],
        "pounds": ["Вага у фунтах", "Належна вага від 128 до 172 фунтів"],
        "154 lbs": ["ІМТ 224, нормальна маса тіла Загальні витрати енергії: 2,930 кілокалорій"],
    },
}
PHRASES = HEARD[os.environ.get("LANGUAGE", "")[:2] or "en"]
failures = []


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True).stdout.strip()


def spoken():
    with open(os.environ["ORCA_LOG"], errors="replace") as log:
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|None|$)", log.read(), re.M)


def step(*keys, text=None, quiet=1.6, timeout=12):
    """Sends keys (or types text), then returns what Orca said until it has been quiet for a while:
    long enough for the announcement that follows a pause in typing."""
    before = len(spoken())
    if text:
        run("xdotool", "type", "--delay", "120", text)
    elif keys:
        run("xdotool", "key", "--delay", "150", *keys)
    said, last, end = [], time.monotonic(), time.monotonic() + timeout
    while time.monotonic() - last < quiet and time.monotonic() < end:
        time.sleep(0.1)
        now = spoken()[before:]
        if len(now) > len(said):
            said, last = now, time.monotonic()
    if os.environ.get("SOMATRA_ORCA_TRANSCRIPT"):
        print(" | ".join(s.strip() for s in said), flush=True)
    # Orca versions differ in how they split and punctuate the same words, and in a role's name.
    heard = " ".join(said).replace("push button", "button")
    return re.sub(r"\s+", " ", heard).replace(".", "").strip()


def hear(what, heard, key=None, never=()):
    """Checks that what was heard holds the phrases of the key, in order, and none of the unwanted."""
    at = 0
    for phrase in PHRASES.get(key, []):
        found = heard.find(phrase, at)
        if found < 0:
            failures.append(f"after {what}, Orca did not say {phrase!r}; it said: {heard!r}")
            break
        at = found + len(phrase)
    failures.extend(f"after {what}, Orca said {p!r}: {heard!r}" for p in never if re.search(p, heard))


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
RESULTS = rf"{BMI} \d|{ENERGY}"
AGE, LEVELS, OUTSIDE, AT_WORK = (f"{title}.*{title}" for title in PHRASES["groups"])  # a group said twice
# Metric: results are announced once the person pauses, only what changed, never without a change.
# The height alone gives the range; a BMI needs the weight too.
hear("typing 175 cm", step(text="175"), "range", never=[RESULTS])
hear("Tab", step("Tab"), "weight", never=[RESULTS])
hear("typing 70 kg", step(text="70"), "bmi", never=[f"{BMI} 229.*{BMI} 229", *PHRASES["orca never"]])
hear("Tab to the BMI box", step("Tab"), "bmi box")
hear("Tab to the age group", step("Tab", "Tab"), "age", never=[AGE])
hear("choosing 18-29", step("space"), "chosen", never=[RESULTS])
hear("Tab to the activity outside work", step("Tab"), "outside work", never=[LEVELS, OUTSIDE])
hear("choosing moderately active", step("Right", "space"), "moderately", never=[RESULTS])
hear("Tab to the activity at work", step("Tab"), "at work", never=[AT_WORK])
hear("choosing non-active at work", step("space"), never=[RESULTS])
hear("choosing male", step("Tab", "space"), "male")
hear("going back to the weight", step(*["shift+Tab"] * 6), "weight again")
step("ctrl+a")
hear("typing 100 kg", step(text="100"), "100 kg", never=[re.escape(PHRASES["range"][0])])

# The screen as a whole, read by flat review: the scale and the range say what they show in words.
# Orca 48 sometimes takes the double press for two single ones, which say nothing here.
for _ in range(3):
    screen = step("KP_Add", "KP_Add", quiet=3, timeout=40)
    if screen:
        break
hear("reading the window", screen, "screen", never=[" 2 ", r"Weak|Moderate\b", " - ", *PHRASES["orca never"]])

# The word at the end of a box is the whole number (test_chaos asks every other offset and boundary).
boxes = pyatspi.findAllDescendants(app, lambda node: node.getRoleName() == "text")
weight = next(box for box in boxes if box.queryText().getText(0, -1) == "100")
if weight.queryText().getTextAtOffset(3, pyatspi.TEXT_BOUNDARY_WORD_START)[0] != "100":
    failures.append("the word at the end of the weight box is not 100")

# The menu bar and the About window: however About opens and closes, the focus comes back.
hear("F10", step("F10"), "menu bar")
hear("Escape in the menu bar", step("Escape"), "weight 100")
hear("F10 and Return", step("F10", "Return"), "about")
hear("Escape in About", step("Escape"), "weight 100")
if "about key" in PHRASES:  # the menu item's Alt key, where the test's keyboard has its letter
    hear("Alt and the About key", step(PHRASES["about key"]), "about")
    hear("Close in About", step("Return"), "weight 100")

# English units: the switch is heard with the cleared boxes; the boxes say their units in words.
hear("Tab to the units", step(*["Tab"] * 7), "units")
hear("choosing English units", step("Right"), "english")
hear("Tab to the height", step("Tab"), "feet")
hear("typing 5 ft", step(text="5\t"), "inches")
hear("typing 9.5 in", step(text="9.5\t"), "pounds")
hear("typing 154 lbs", step(text="154"), "154 lbs")

# Dead keys and letters on a German keyboard stay out of the weight box; digits and a point get in.
run("setxkbmap", "de")
step(
    "BackSpace", "BackSpace", "BackSpace", *"dead_circumflex 2 dead_acute e a space period comma 6 8".split()
)
run("setxkbmap", "us")
if not re.fullmatch(r"2?\.68", weight.queryText().getText(0, -1)):
    failures.append(f"the weight box holds {weight.queryText().getText(0, -1)!r} after dead keys and 6, 8")

for failure in failures:
    print("FAIL:", failure, flush=True)
sys.exit(f"{len(failures)} failure(s)" if failures else 0)
