# SPDX-FileCopyrightText: 2026 The Somatra developers
# SPDX-License-Identifier: MIT
# What a blind person hears of Somatra: real keys drive the real program while the Orca screen reader
# runs, and each step is judged by what Orca spoke (its debug log). Started by run.sh on a private
# desktop with SOMATRA_PID and ORCA_LOG set.
import os, re, subprocess, sys, time
import pyatspi

failures = []


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True).stdout.strip()


def spoken():
    with open(os.environ["ORCA_LOG"], errors="replace") as log:
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|None|$)", log.read(), re.M)


# Sends keys (or types text), then returns what Orca said until it has been quiet for a while: long
# enough for the announcement that follows a pause in typing.
def step(*keys, text=None, quiet=1.6, timeout=12):
    before = len(spoken())
    if text or keys:
        run("xdotool", "type", "--delay", "120", text) if text else run("xdotool", "key", "--delay", "150", *keys)
    said, last, end = [], time.monotonic(), time.monotonic() + timeout
    while time.monotonic() - last < quiet and time.monotonic() < end:
        time.sleep(0.1)
        if len(now := spoken()[before:]) > len(said): said, last = now, time.monotonic()
    if os.environ.get("SOMATRA_ORCA_TRANSCRIPT"): print(" | ".join(s.strip() for s in said), flush=True)
    # Orca versions differ in how they split and punctuate the same words, and in a role's name.
    return re.sub(r"\s+", " ", " ".join(said).replace("push button", "button")).replace(".", "").strip()


# Checks that what was heard contains each wanted phrase (in order) and none of the unwanted ones.
def hear(what, heard, *wanted, never=()):
    if os.environ.get("SOMATRA_ORCA_TRANSCRIPT"): print(f"  ^ {what}", flush=True)
    at = 0
    for phrase in wanted:
        found = heard.find(phrase, at)
        if found < 0:
            failures.append(f"FAIL: after {what}, Orca did not say {phrase!r}; it said: {heard!r}")
            return print(failures[-1], flush=True)
        at = found + len(phrase)
    for phrase in never:
        if re.search(phrase, heard):
            failures.append(f"FAIL: after {what}, Orca said {phrase!r}: {heard!r}")
            print(failures[-1], flush=True)


pid = int(os.environ["SOMATRA_PID"])
for _ in range(100):
    if window := run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "^Somatra$", check=False):
        break
    time.sleep(0.2)
run("xdotool", "windowactivate", "--sync", window.split()[0])
step(quiet=2.5)
for _ in range(100):
    if app := next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid), None): break
    time.sleep(0.2)

# In German (LANGUAGE=de; Orca's own words stay English): the announcements, names, descriptions and
# the About window in German.
if os.environ.get("LANGUAGE") == "de":
    hear("typing 175 cm", step(text="175"), "Angemessenes Gewicht 57 bis 76 Kilogramm")
    hear("Tab", step("Tab"), "Gewicht (kg)")
    hear("typing 70 kg", step(text="70"), "BMI 229, Normalgewicht")
    hear("Tab to the BMI box", step("Tab"), "BMI (Body-Mass-Index)", "229", "Kilogramm pro Quadratmeter")
    hear("Tab to the age group", step("Tab", "Tab"), "Alter 18-29", "1 von 3")
    step("space", "Tab", "Right", "space", "Tab", "space")
    hear("choosing male", step("Tab", "space"), "Geschlecht Mann", "Gesamtenergieumsatz 2,933 Kilokalorien")
    hear("F10", step("F10"), "Über", "Menüleiste")
    hear("About", step("Return"), "Über Somatra", "Somatra ist ein kompaktes Programm", "Schließen")
    sys.exit(f"{len(failures)} failure(s)" if failures else print("all screen reader checks passed"))

RESULT = r"BMI \d|Total energy"  # what an announcement of results says
# Metric: results are announced once the person pauses, only what changed, never without a change.
# The height alone gives the range; a BMI needs the weight too.
hear("typing 175 cm", step(text="175"), "Appropriate weight 57 to 76 kilograms", never=["Height: text", "BMI"])
hear("Tab", step("Tab"), "Weight (kg) text", never=[RESULT, "pounds"])
hear("typing 70 kg", step(text="70"), "7 0 BMI 229, normal weight", never=["BMI 229.*BMI 229", "percent", "notification"])
hear("Tab to the BMI box", step("Tab"), "BMI (Body Mass Index) read only text", "229", "Kilograms per square metre")
hear("Tab to the age group", step("Tab", "Tab"), "Age 18-29", "radio button", "1 of 3", never=["Age.*Age"])
hear("choosing 18-29", step("space"), "selected", never=[RESULT])
hear("Tab to the activity outside work", step("Tab"), "Levels of physical activity", "Non-occupational activity "
     "Non-active", never=["Levels of physical activity.*Levels", "Non-occupational activity.*Non-occupational"])
hear("choosing moderately active", step("Right", "space"), "Moderately active", "2 of 3", "selected", never=[RESULT])
hear("Tab to the activity at work", step("Tab"), "Occupation work Non-active", never=["Occupation work.*Occupation"])
hear("choosing non-active at work", step("space"), never=[RESULT])
hear("choosing male", step("Tab", "space"), "Sex Male", "Total energy expenditure 2,933 kilocalories")
hear("going back to the weight", step(*["shift+Tab"] * 6), "Weight (kg) text", "70 selected")
step("ctrl+a")
hear("typing 100 kg", step(text="100"), "BMI 327, obesity Total energy expenditure 3,678 kilocalories",
     never=["Appropriate weight"])

# The screen as a whole, read by flat review: the scale and the range say what they show.
# Orca 48 sometimes takes the double press for two single ones, which say nothing here.
for _ in range(3):
    if window_read := step("KP_Add", "KP_Add", quiet=3, timeout=40): break
hear("reading the window", window_read, "Appropriate weight (kg): 57 - 76",
     "Body mass index scale: 327, obesity", never=["percent", " 2 ", "Weak|Moderate\\b"])

# The word at the end of a box is the whole number (test_chaos asks every other offset and boundary).
boxes = [n for n in pyatspi.findAllDescendants(app, lambda n: n.getRoleName() == "text")]
weight = next(b for b in boxes if b.name.startswith("Weight"))
if weight.queryText().getTextAtOffset(3, pyatspi.TEXT_BOUNDARY_WORD_START)[0] != "100":
    failures.append("FAIL: the word at the end of the weight box is not 100")

# The menu bar and the About window: however About opens and closes, the focus comes back.
hear("F10", step("F10"), "About", "Menu bar")
hear("Escape in the menu bar", step("Escape"), "Weight (kg) text 100")
hear("F10 and Return", step("F10", "Return"), "About Somatra dialog Somatra is a compact application", "Close button")
hear("Escape in About", step("Escape"), "Somatra", "Weight (kg) text 100")
hear("Alt+A", step("alt+a"), "About Somatra dialog")
hear("Close in About", step("Return"), "Weight (kg) text 100")

# English units: the switch is heard with the cleared boxes; the boxes say their units.
hear("Tab to the units", step(*["Tab"] * 7), "Units Metric", "1 of 2")
hear("choosing English units", step("Right"), "English", "English units, height and weight cleared No BMI")
hear("Tab to the height", step("Tab"), "Height (ft) text", "Whole feet, with the inches in the next box")
hear("typing 5 ft", step(text="5\t"), "Inches text")
hear("typing 9.5 in", step(text="9.5\t"), "Weight (lbs) text", "Appropriate weight 128 to 172 pounds")
hear("typing 154 lbs", step(text="154"), "BMI 224, normal weight Total energy expenditure 2,930 kilocalories")

# Dead keys and letters on a German keyboard stay out of the weight box; digits and a point get in.
run("setxkbmap", "de")
step("BackSpace", "BackSpace", "BackSpace", *"dead_circumflex 2 dead_acute e a space period comma 6 8".split())
run("setxkbmap", "us")
if not re.fullmatch(r"2?\.68", weight.queryText().getText(0, -1)):
    failures.append(f"FAIL: the weight box holds {weight.queryText().getText(0, -1)!r} after dead keys and 6, 8")

sys.exit(f"{len(failures)} failure(s)" if failures else print("all screen reader checks passed"))
