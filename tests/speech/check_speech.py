#!/usr/bin/env python3
"""Checks what Orca said while tests/speech/drive.sh played the programs.

    tests/speech/check_speech.py FACTS_JSON ORCA_LISTEN_OUTPUT

FACTS_JSON is what the programs must say, as the C++ tests state it (what facts_json prints,
tests/model/facts_json.cpp).

The output of orca_listen.sh holds "MARK <program> <what> (<keys>)" for every press the driver made
and the "SPEECH <phrase>" lines Orca said after it. Orca's own speech (the keys it echoes, the
control and window that take the focus, message boxes as alerts) is told apart from the phrases the
program has Orca say, and every press is checked for exactly the phrases it must make, each once:
the item with its gap and position after "Начало" and the next-item button, the word (with the
error mark and count when wrong) after an answer, nothing after a press that changes nothing, the
rules when they open, and what changed before the alert that ends the round. Exit status 0 when
every press passes.
"""
import json
import re
import sys

MARK = re.compile(r"^MARK (\S+) (\S+)")


def segments(lines):
    """[(program, what, [phrases])] in the order of the presses."""
    out = []
    for line in lines:
        line = line.rstrip("\n")
        mark = MARK.match(line)
        if mark:
            out.append((mark.group(1), mark.group(2), []))
        elif line.startswith("SPEECH ") and out:
            out[-1][2].append(line[len("SPEECH "):])
        elif line == "MARK end":
            out.append(("", "end-of-run", []))
    return out


def split_own(phrases, texts):
    """(the program's phrases, Orca's own) of one press: Orca's own are the keys it echoes (they end
    in a blank), the control or window that takes the focus with the text it reads of it, and a
    message box from "alert" to its OK button. The keys a control answers to ("Клавиша F1") are its
    accessible description, read with it."""
    # The first word of a key's name: "Клавиша", or "Клавиши" where it is a combination.
    named = tuple(texts[key].split()[0] for key in ("rulesKeyNamed", "submitKeysNamed"))
    ours, own = [], []
    in_box = after_text = False
    for phrase in phrases:
        if phrase.endswith(" ") or not phrase.strip():
            continue
        if phrase.startswith("alert "):
            in_box = True
        focus = re.search(r"(^| )(push button|frame|text)\.$", phrase) or phrase.startswith(named)
        if in_box or after_text or focus:
            own.append(phrase)
            after_text = phrase.endswith("text.")  # the line of the text box that took the focus follows
            if phrase == "OK push button.":
                in_box = False
            continue
        ours.append(phrase)
    return ours, own


class Round:
    """What a program has shown so far, as the checker follows it from the phrases."""

    def __init__(self, facts, texts):
        self.facts = facts
        self.texts = texts
        # "Сделано ошибок: 2.", as every program says its error count.
        self.errors_said = re.escape(texts["errorCountSaid"]) + r" (?P<e>\d+)\."
        self.position = 0
        self.errors = 0
        self.answered = False
        self.gap = None  # (before, after) the gap of the prompt on show

    def item(self, phrase):
        """Checks the phrase that shows the next item and follows the round to it (to what was
        said, so that one fault is told once); returns the faults."""
        heading = re.escape(self.facts["positionHeading"])
        expected_errors = self.errors + (1 if self.position and not self.answered else 0)
        m = re.fullmatch(r"(?P<item>.+?)\.? %s (?P<k>\d+)\.(?: %s)?" % (heading, self.errors_said), phrase)
        if not m:
            return ["not an item with its position: %r" % phrase]
        faults = []
        said_errors = int(m["e"]) if m["e"] else self.errors
        if int(m["k"]) != self.position + 1:
            faults.append("position %s, expected %d" % (m["k"], self.position + 1))
        if said_errors != expected_errors:
            faults.append("error count %d said, expected %d" % (said_errors, expected_errors))
        if self.facts["kind"] == "choice":
            before, gap, after = m["item"].partition("пропуск")
            if not gap:
                faults.append("the gap is not said as a word: %r" % m["item"])
            self.gap = (before.rstrip(", "), after.lstrip(", "))
        self.position = int(m["k"])
        self.errors = said_errors
        self.answered = False
        return faults

    def verdict(self, phrase):
        """Checks the phrase that answers the item on show; returns the faults."""
        self.answered = True
        choice = self.facts["kind"] == "choice"
        if not choice:
            if phrase == self.texts["rightVerdict"] + ".":
                return []
            m = re.fullmatch(r"%s .+ %s" % (re.escape(self.texts["wrongVerdict"]), self.errors_said), phrase)
        else:
            m = re.fullmatch(r"(?P<word>[^.]+)\.(?: %s\. %s)?" % (re.escape(self.texts["errorMark"]), self.errors_said),
                             phrase)
        if not m:
            return ["not a verdict: %r" % phrase]
        faults = []
        if choice and self.gap:  # none where the item itself was not understood, a fault told already
            before, after = self.gap
            word = m["word"]
            if not (word.startswith(before) and word.endswith(after) and len(word) > len(before) + len(after)):
                faults.append("%r is not the word of the prompt %s_%s" % (word, before, after))
        if m["e"] is not None:
            if int(m["e"]) != self.errors + 1:
                faults.append("error count %s said, expected %d" % (m["e"], self.errors + 1))
            self.errors = int(m["e"])
        return faults


def check(segs, facts):
    """facts: the facts file read, {"texts": {...}, "programs": [...]}; a program by its lower-case name."""
    texts = facts["texts"]
    programs = {p["name"].lower(): p for p in facts["programs"]}
    faults = []
    rounds = {}
    for index, (program, what, phrases) in enumerate(segs):
        if what == "end-of-run":
            continue
        if program not in programs:
            faults.append("press %d: no facts of the program %r" % (index + 1, program))
            continue
        own_facts = programs[program]
        game = rounds.setdefault(program, Round(own_facts, texts))
        ours, own = split_own(phrases, texts)
        where = "press %d (%s %s)" % (index + 1, program, what)

        def expect_count(n):
            if len(ours) != n:
                faults.append("%s: %d phrases of the program, expected %d: %r" % (where, len(ours), n, ours))
                return False
            return True

        if what == "type":
            continue  # Orca echoes the characters and words typed over
        if what in ("move", "refocus", "again"):
            expect_count(0)
        elif what in ("start", "next"):
            expect_count(1)
            if ours:
                faults += ["%s: %s" % (where, fault) for fault in game.item(ours[0])]
        elif what == "answer":
            expect_count(1)
            if ours:
                faults += ["%s: %s" % (where, fault) for fault in game.verdict(ours[0])]
                if phrases.index(ours[0]) > min((phrases.index(p) for p in own), default=len(phrases)):
                    faults.append("%s: the verdict comes after the focus speech" % where)
        elif what == "rules-refused":
            expect_count(0)
            if "alert %s." % own_facts["title"] not in own or texts["rulesWarning"] not in own:
                faults.append("%s: no warning box said: %r" % (where, own))
        elif what == "rules":
            if expect_count(1) and ours[0] != own_facts["rulesSaid"]:
                faults.append("%s: the rules read as %r" % (where, ours[0]))
            if not any(p.endswith(" frame.") for p in own):
                faults.append("%s: the rules window's frame is not said" % where)
        elif what == "end":
            skipped = not game.answered
            if expect_count(1 if skipped else 0) and skipped:
                if ours[0] != "%s %d." % (texts["errorCountSaid"], game.errors + 1):
                    faults.append("%s: %r, expected the new error count" % (where, ours[0]))
            end_message = own_facts["endMessage"]
            if end_message not in own:
                faults.append("%s: the end of the round is not said" % where)
            elif ours and phrases.index(ours[0]) > phrases.index(end_message):
                faults.append("%s: the error count is said after the box" % where)
        else:
            faults.append("%s: the driver's press is unknown" % where)
    return faults


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: check_speech.py FACTS_JSON ORCA_LISTEN_OUTPUT")
    with open(sys.argv[1], encoding="utf-8") as f:
        facts = json.load(f)
    with open(sys.argv[2], encoding="utf-8") as f:
        lines = f.readlines()
    for line in lines:
        if line.startswith(("SPEECH ", "MARK ")):
            sys.stdout.write(line)
        if line.strip() == "MARK end":
            break  # what follows belongs to no press
    segs = segments(lines)
    faults = check(segs, facts)
    presses = sum(1 for _, what, _ in segs if what not in ("move", "refocus", "type", "end-of-run"))
    if presses == 0:
        faults.append("no press was heard: did Orca start?")
    for fault in faults:
        print("FAULT " + fault)
    print("%s: %d presses checked, %d faults" % ("PASS" if not faults else "FAIL", presses, len(faults)))
    return 0 if not faults else 1


if __name__ == "__main__":
    sys.exit(main())
