#!/usr/bin/env python3
"""The catalog check of scripts/update-translations: placeholders and unfinished or missing entries."""
import importlib.machinery
import importlib.util
import os
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "update-translations")
loader = importlib.machinery.SourceFileLoader("update_translations", SCRIPT)
spec = importlib.util.spec_from_loader(loader.name, loader)
script = importlib.util.module_from_spec(spec)
loader.exec_module(script)


class PlaceholderTest(unittest.TestCase):
    def test_translations_that_keep_or_break_the_placeholders(self):
        cases = [
            # source, translation, fault expected
            ("No web browser could be started to open %s.", "Kein Browser für %s.", False),
            ("No web browser could be started to open %s.", "Kein Browser konnte gestartet werden.", True),
            ("No web browser could be started to open %s.", "Browser %s %s", True),
            ("No web browser could be started to open %s.", "Browser %d", True),
            ("%s at %d", "%d bei %s", True),  # printf conversions are filled in order
            ("%02u:%02u", "%02u:%02u", False),
            ("%02u:%02u", "%u:%u", True),
            ("Enter no more than %1 characters.", "%1 文字以内で入力してください。", False),
            ("Enter no more than %1 characters.", "Höchstens %1 Zeichen, %1 bitte.", True),
            ("Enter no more than %1 characters.", "Höchstens 64 Zeichen.", True),
            ("%1 of %2", "%2 / %1", False),  # numbered ones may move
            ("%1 of %2", "%1 / %3", True),
            ("100%% done", "100%% fertig", False),
            ("100%% done", "100 % fertig", False),
            ("Ready", "Bereit %s", True),
            ("Ready", "Bereit", False),
        ]
        for source, translation, faulty in cases:
            with self.subTest(source=source, translation=translation):
                self.assertEqual(script.placeholder_fault(source, translation) is not None, faulty)


class CatalogTest(unittest.TestCase):
    MESSAGES = [("StringTable", "Refresh", "107"), ("StringTable", "Open %s.", "323"), ("Window", "OK", "")]

    def faults(self, body):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "HALDAQlinkDeu.ts")
            with open(path, "w", encoding="utf-8") as file:
                file.write('<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" language="de_DE">\n'
                           + body + "</TS>\n")
            return script.catalog_faults(path, self.MESSAGES)

    @staticmethod
    def message(source, translation, comment=None, unfinished=False):
        kind = ' type="unfinished"' if unfinished else ""
        comment = f"<comment>{comment}</comment>" if comment else ""
        return f"<message><source>{source}</source>{comment}<translation{kind}>{translation}</translation></message>"

    def catalog(self, refresh="Aktualisieren", refresh_unfinished=False, open_text="%s öffnen.", extra=""):
        table = self.message("Refresh", refresh, "107", refresh_unfinished)
        if open_text is not None:
            table += self.message("Open %s.", open_text, "323")
        return (f"<context><name>StringTable</name>{table}{extra}</context>"
                f"<context><name>Window</name>{self.message('OK', 'OK')}</context>")

    def test_a_complete_catalog_has_no_fault(self):
        self.assertEqual(self.faults(self.catalog()), [])

    def test_each_fault_is_named(self):
        cases = [
            (self.catalog(refresh_unfinished=True), "107 'Refresh': unfinished"),
            (self.catalog(refresh=""), "107 'Refresh': unfinished"),
            (self.catalog(open_text=None), "323 'Open %s.': missing"),
            (self.catalog(open_text="öffnen."), "printf placeholders %s became (none)"),
            (self.catalog(extra=self.message("Gone", "Weg", "999")), "1 entries the program no longer has"),
        ]
        for body, fault in cases:
            with self.subTest(fault=fault):
                faults = self.faults(body)
                self.assertEqual(len(faults), 1, faults)
                self.assertIn(fault, faults[0])

    def test_a_missing_catalog_is_a_fault(self):
        faults = script.catalog_faults("/nonexistent/HALDAQlinkDeu.ts", self.MESSAGES)
        self.assertEqual(len(faults), 1, faults)
        self.assertTrue(faults[0].endswith("HALDAQlinkDeu.ts: missing"), faults)


if __name__ == "__main__":
    unittest.main()
