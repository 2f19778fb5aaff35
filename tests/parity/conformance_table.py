"""The conformance table (scenarios.txt) as the out-of-process runners read it: the
AT-SPI one for the Qt view and the Chromium one for the web view."""

import re

HELD = re.compile(r"(\d*)#(\d+)")  # "12#20000": "12" and twenty thousand sevens


def unescaped(text):
    return text.replace("\\n", "\n").replace("\\u00a0", "\u00a0")


def expanded(text):
    return HELD.sub(lambda m: m.group(1) + "7" * int(m.group(2)), text)


def scenarios(path):
    """The table's scenarios: (name, [(act, control, text, look, looked_at, expected)])."""
    table = []
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        if line.startswith("scenario "):
            table.append((line[len("scenario "):], []))
            continue
        act_part, _, look_part = line.partition(" | ")
        act, control, text = (act_part.split() + ["", ""])[:3]
        look_words, _, expected = look_part.partition(" =")
        look, looked_at = (look_words.split() + ["", ""])[:2]
        table[-1][1].append((act, control, text, look, looked_at, unescaped(expected[1:])))
    return table


def matches(look, seen, expected):
    if look == "shown-ends":
        return seen.endswith(expected)
    if look in ("description-starts", "tooltip-starts"):
        return seen.startswith(expected)
    return expected in seen if look == "announced" else seen == expected
