#!/usr/bin/env python3
"""Checks the translations against the sources.

Fails when a text of the sources is missing from a .ts file (lupdate run into a copy finds it new)
or a .ts file keeps a text the sources no longer have, when a shipped language leaves a text
unfinished, and when a translation's placeholders (%1, %L2, %n) differ from its source's.

check-translations.py LUPDATE SOURCE_ROOT
"""
import collections
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(\d{1,2}|n)")
OPTIONS = ["-no-obsolete", "-locations", "none", "-extensions", "cpp,h,ui"]
FOLDERS = ["src", "tools"]


def messages(ts):
    """(context, source, comment, numerus) -> list of translations (one per plural form), type."""
    out = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            comment = message.findtext("comment") or ""
            numerus = message.get("numerus") == "yes"
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            if numerus:
                forms = [f.text or "" for f in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""] if translation is not None else [""]
            out[(name, source, comment, numerus)] = (forms, kind)
    return out


def placeholders(text):
    return collections.Counter(m.group(1) for m in PLACEHOLDER.finditer(text))


def desktop_problems(root, languages):
    """The menu entries and the metainfo say every translatable text in every shipped language."""
    problems = []
    for entry in sorted((root / "data").glob("*.desktop")):
        section, keys = None, {}
        for line in entry.read_text(encoding="utf-8").splitlines():
            if line.startswith("["):
                section = line
            elif "=" in line:
                key, _ = line.split("=", 1)
                keys.setdefault(section, set()).add(key)
        for section, present in keys.items():
            for key in ("Name", "GenericName", "Comment", "Keywords"):
                if key not in present or (key == "Name" and section == "[Desktop Entry]" and entry.stem.endswith("Quintel")):
                    continue
                for language in languages:
                    if f"{key}[{language}]" not in present:
                        problems.append(f"{entry.name}: {section} has no {key}[{language}]")
    for metainfo in sorted((root / "data").glob("*.metainfo.xml.in")):
        tree = ET.parse(metainfo).getroot()
        lang = "{http://www.w3.org/XML/1998/namespace}lang"
        for tag in ("summary", "p", "li"):
            english = [e for e in tree.iter(tag) if lang not in e.attrib]
            for language in languages:
                translated = [e for e in tree.iter(tag) if e.get(lang) == language]
                if len(translated) != len(english):
                    problems.append(f"{metainfo.name}: {len(translated)} of {len(english)} <{tag}> in {language}")
    return problems


def main():
    lupdate, root = sys.argv[1], pathlib.Path(sys.argv[2])
    folder = root / "translations"
    files = sorted(folder.glob("quintel_*.ts"))
    problems = []
    with tempfile.TemporaryDirectory() as temp:
        for ts in files:
            copy = pathlib.Path(temp) / ts.name
            shutil.copy(ts, copy)
            extra = ["-pluralonly"] if ts.name == "quintel_en.ts" else []
            subprocess.run([lupdate, *OPTIONS, *FOLDERS, "-ts", str(copy), *extra], cwd=root, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            before, after = messages(ts), messages(copy)
            for key in sorted(set(after) - set(before)):
                problems.append(f"{ts.name}: missing [{key[0]}] {key[1]!r} (run make translations)")
            for key in sorted(set(before) - set(after)):
                problems.append(f"{ts.name}: no longer in the sources [{key[0]}] {key[1]!r} (run make translations)")
    for ts in files:
        for (context, source, _, numerus), (forms, kind) in sorted(messages(ts).items()):
            where = f"{ts.name}: [{context}] {source!r}"
            if kind in ("unfinished", "vanished", "obsolete") or any(not f for f in forms):
                problems.append(f"{where} is unfinished")
                continue
            wanted = placeholders(source)
            for form in forms:
                if placeholders(form) != wanted:
                    problems.append(f"{where}: placeholders of {form!r} differ from the source's")
    problems += desktop_problems(root, [f.stem[len("quintel_"):] for f in files if f.stem != "quintel_en"])
    for p in problems:
        print(p)
    print(f"{len(files)} translation files, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
