#!/usr/bin/env python3
"""Writes the translations into C++ for Catalog.h: every message that any file has, and each
language's translation of it.

Usage: catalog.py OUTPUT.cpp app/translations/norvil_<name>.ts ...
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def literal(text):
    """text as the inside of a C++ string literal; the file is UTF-8, so letters stay as they are."""
    out = []
    for c in text:
        if c in '\\"':
            out.append("\\" + c)
        elif ord(c) < 0x20 or c == "\x7f":
            out.append(f"\\{ord(c):03o}")
        else:
            out.append(c)
    return "".join(out)


def main():
    output, files = sys.argv[1], sorted(sys.argv[2:], key=os.path.basename)
    messages = []  # (context, source), in the order first seen
    languages = []  # (name, {(context, source): translation})
    for path in files:
        name = os.path.basename(path)[len("norvil_"):-len(".ts")]
        translations = {}
        for context in ElementTree.parse(path).getroot().iter("context"):
            context_name = context.findtext("name")
            for message in context.iter("message"):
                key = (context_name, message.findtext("source"))
                if key not in messages:
                    messages.append(key)
                translation = message.find("translation")
                if translation is not None and translation.text and translation.get("type") is None:
                    translations[key] = translation.text
        languages.append((name, translations))

    lines = ['// Written by catalog.py from the translation files: do not edit.', '#include "Catalog.h"', "",
             "namespace norvil::catalog {", "", "const Message kMessages[] = {"]
    lines += [f'    {{"{literal(c)}", "{literal(s)}"}},' for c, s in messages] or ['    {"", ""},']
    lines += ["};", f"const std::size_t kMessageCount = {len(messages)};", ""]
    for number, (name, translations) in enumerate(languages):
        lines.append(f"const char16_t* const kTranslations{number}[] = {{")
        lines += [f'    u"{literal(translations[key])}",' if key in translations else "    nullptr," for key in messages]
        lines += ["    nullptr,", "};"]
    lines.append("const Language kLanguages[] = {")
    lines += [f'    {{u"{literal(name)}", kTranslations{number}}},' for number, (name, _) in enumerate(languages)]
    lines += ['    {u"", nullptr},' if not languages else "", "};", f"const std::size_t kLanguageCount = {len(languages)};", "",
              "} // namespace norvil::catalog", ""]
    text = "\n".join(lines)
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output, "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
