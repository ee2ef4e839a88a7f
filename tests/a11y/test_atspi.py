# What a screen reader reaches of Somatra over AT-SPI while real keys drive it. Started by run.sh
# on a private desktop with SOMATRA_PID set.
import os, re, subprocess, sys, time
import pyatspi
from gi.repository import GLib

failures, events = [], []
FOCUSED, SHOWING, CHECKED = pyatspi.STATE_FOCUSED, pyatspi.STATE_SHOWING, pyatspi.STATE_CHECKED


def check(ok, missed):
    if not ok:
        failures.append("FAIL: a screen reader " + missed)
        print(failures[-1], flush=True)
    return ok


# Polls predicate, dispatching AT-SPI events meanwhile, until it holds or the timeout passes.
def wait(predicate, timeout=2.0):
    end = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False): pass
        try: result = predicate()
        except Exception: result = None  # a node that went away while being read
        if result or time.monotonic() > end: return result
        time.sleep(0.05)


def run(*command): return subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()


# Presses keys once the window titled title has the input focus, which the window manager gives in its
# own time, and after the moment a person needs to see that (keys sent at once are sometimes lost).
def keys_to(title, *keys):
    wait(lambda: run("xdotool", "getactivewindow", "getwindowname") == title)
    time.sleep(0.3)
    run("xdotool", "key", *keys)


# Newer AT-SPI calls a push button just "button".
def role(node): return node.getRoleName().replace("push button", "button")


def has(node, state): return node is not None and node.getState().contains(state)
def about_window(): return next((w for w in app if w.name == "About Somatra" and has(w, SHOWING)), None)


# Every node under node, and whether it and all its ancestors are showing.
def walk(node, visible=True):
    for child in filter(None, node):
        seen = visible and has(child, SHOWING)
        yield child, seen
        yield from walk(child, seen)


def iface(node, name):
    try: return getattr(node, "query" + name)()
    except NotImplementedError: return None


def text(node): return iface(node, "Text").getText(0, -1) if node and iface(node, "Text") else None


# The first showing node of a role whose name is name, or matches name when that is a regex, or
# for which name(node) holds when it is a function.
def find(root, kind, name):
    return next((n for n, seen in walk(root) if seen and role(n) == kind and (
        n.name == name if isinstance(name, str) else name(n) if callable(name) else name.search(n.name))), None)


# Checks for a showing node of a role, named name, whose text, if want is given, is want.
def expect(kind, name, want=None, root=None):
    node = find(root or main, kind, name)
    return check(node and want in (None, text(node)), f"finds no {kind} named {name!r}"
                 + (f" reading {want!r} (it reads {text(node)!r})" if node else ""))


def type_into(box_name, digits):
    box = find(main, "text", re.compile(box_name))
    box.queryComponent().grabFocus()
    wait(lambda: has(box, FOCUSED))
    run("xdotool", "type", "--delay", "50", digits)
    return box


# Selects, as an assistive technology does, the radio button whose "group/option" names match path.
def choose(path):
    node = find(main, "radio button", lambda n: re.search(path, f"{n.parent.name}/{n.name}"))
    if check(node, f"finds no option {path}"):
        check(node.queryAction().doAction(0) and wait(lambda: has(node, CHECKED)), f"cannot select {path}")


pid = int(os.environ["SOMATRA_PID"])
app = wait(lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid), None), 20)
main = app and wait(lambda: next((w for w in app if w.name == "Somatra"), None), 10)
if not wait(lambda: has(main, pyatspi.STATE_ACTIVE), 10):
    sys.exit("FAIL: the Somatra window never reached the AT-SPI desktop as the active window")
pyatspi.Registry.registerEventListener(lambda e: events.append((e.type, e.source, e.source.name)),
                                       *("object:property-change:accessible-" + p for p in ("name", "value")))

# Filling in the window from the keyboard; the focus starts in the height box.
check(wait(lambda: has(find(main, "text", re.compile("^Height")), FOCUSED)), "is not in the height box at start")
run("xdotool", "type", "--delay", "50", "175\t70")
for option in [r"^Age/18\D+29", "^Sex/Male$", r"(?i)(outside|non-occ).*/Moderate", r"(?i)(at work|^occ).*/Non-active"]:
    choose(option)
wait(lambda: text(find(main, "text", "Total energy expenditure")))

# Labels are named by the text they show, boxes and groups by their captions with the units.
for kind, name, want in [
        ("text", "Height (cm)", "175"), ("text", "Weight (kg)", "70"), ("text", "Body mass index", "22.9"),
        ("text", "Total energy expenditure", "2,933"), ("panel", "Appropriate weight (kg)", None),
        ("label", "BMI is in the rang from 18.5 to 25 kg/m2 (normal weight)", None), ("label", "57 - 76", None),
        ("label", "(teachers, office workers, traveling salesman , housewives) ", None), ("label", "kg/m²", None)]:
    expect(kind, name, want)
message = find(main, "label", re.compile("^BMI is"))
check(message and message.description, "gets no weight category message with a description")
everywhere = [(n, role(n), n.name, seen) for n, seen in walk(app)]
check(not [n for n, _, name, _ in everywhere if name == "2"], "reads a lone '2' (the raised square of kg/m²)")
check(not (lists := [(r, name) for _, r, name, _ in everywhere if r == "combo box" or r == "list item" and name in (
    "Weak", "Moderate", "High", "Male", "Female", "18 - 29")]), f"reaches the hidden drop-down lists: {lists}")
check(not (blank := [r for n, r, name, seen in everywhere if seen and not name and n.childCount == 0]),
      f"meets {len(blank)} showing nodes without name or children (separator lines?): {blank}")
for caption, box_name in [("Height:", "^Height"), ("Weight:", "^Weight")]:
    label, box = find(main, "label", caption), find(main, "text", re.compile(box_name))
    pairs = [(r.getRelationType(), r.getTarget(0)) for r in (label.getRelationSet() if label else [])]
    check(box and (pyatspi.RELATION_LABEL_FOR, box) in pairs, f"is not told that {caption!r} labels its text box")
scales = [(n, v.currentValue, v.minimumValue, v.maximumValue) for n, *_ in everywhere if (v := iface(n, "Value"))]
scale = scales[0][0] if len(scales) == 1 and scales[0][0].name == "Body mass index scale" else None
check(scale and abs(scales[0][1] - 22.9) < 0.05 and scales[0][2:] == (12, 36), "does not read one 'Body mass index "
      f"scale' valued 22.9 from 12 to 36; it reads {[(n.getRoleName(), n.name, *v) for n, *v in scales]}")

# One more digit makes 707 kg: the category message and the scale announce their change.
weight = type_into("^Weight", "7")
obese = "BMI is greater than 30 kg/m2 (obesity)"
check(message and wait(lambda: any(t.endswith("name") and s == message and n == obese for t, s, n in events)),
      f"hears no name change of the category message to {obese!r}")
check(scale and wait(lambda: any(t.endswith("value") and s == scale for t, s, _ in events)),
      "hears no value change of the BMI scale")

# Dead keys and letters on a German keyboard stay out of the weight box; digits get in.
run("setxkbmap", "de")
run("xdotool", "key", "End", *["BackSpace"] * 5, *"dead_circumflex 2 dead_acute e a space period comma 6 8".split())
run("setxkbmap", "us")
check(wait(lambda: re.fullmatch("2?68", text(weight))),
      f"reads {text(weight)!r} in the weight box after dead keys, letters and 6, 8 (wants only digits: 68 or 268)")

# English units rename the boxes and the group, and give the range in pounds.
choose("^Units/English$")
for box, digits in [("^Height", "5"), ("^Inches", "9"), ("^Weight", "154")]: type_into(box, digits)
wait(lambda: text(weight) == "154" and text(find(main, "text", "Body mass index")))
for kind, name in [("text", "Height (ft)"), ("text", "Inches"), ("text", "Weight (lbs)"),
                   ("panel", "Appropriate weight (lbs)"), ("label", "126 - 167")]:
    expect(kind, name)

# The About window by its access key, then through the menu bar: F10 and Return.
run("xdotool", "key", "--clearmodifiers", "alt+a")
about = wait(about_window)
check(about and about.getRoleName() != "filler", f"finds no About window after Alt+A ({about and about.getRoleName()})")
if about:
    for kind, name in [("label", "Somatra is a compact application designed to help you estimate the body mass index "
                        "(BMI) and daily energy expenditure (TEE) in order to create an appropriate nutrition plan."),
                       ("label", re.compile("^©")), ("button", "Close"), ("button", "Home Page")]:
        expect(kind, name, root=about)
    keys_to("About Somatra", "Escape")
    if not check(wait(lambda: not about_window()), "still finds the About window after Escape"):
        find(about, "button", "Close").queryAction().doAction(0)
keys_to("Somatra", "F10")
check(wait(lambda: {FOCUSED, pyatspi.STATE_SELECTED} & set(find(main, "menu item", "About").getState().getStates())),
      "is not taken to the About menu item by F10")
if not about_window():  # a Return must never reach the Home Page button: it opens a browser
    run("xdotool", "key", "Return")
about = wait(about_window)
if check(about and wait(lambda: has(find(about, "button", "Close"), FOCUSED)), "finds no About window after "
         "F10, Return, or not on its Close button"):
    keys_to("About Somatra", "Return")
    check(wait(lambda: not about_window()), "still finds the About window after Return on Close")

sys.exit(f"{len(failures)} failure(s)" if failures else print("all accessibility checks passed"))
