"""What the buttons start. Recorders stand in for write, notepad, explorer,
the browser, the PDF reader and the medium's program, and write down the
command line and the show state they were started with."""

import unittest

from harness import (
    BROWSER,
    STAND_INS,
    MenuTestCase,
    browser_line,
    cell_rect,
    demo_settings,
    install_stand_ins,
    make_medium,
    recorded,
    register_reader,
    settle,
    unregister_reader,
    wait_for,
    wait_for_record,
    windows_path,
)

TARGETS = [
    "dokumente\\liesmich.rtf",
    "dokumente\\beispiel.ini",
    "dokumente\\katalog.pdf",
    "programme\\hallo.exe",
    "http://www.velmo-verlag.example/",
    "dokumente\\notizen.txt",
    "programme\\fehlt.exe",
]
READER = "Reader Dir/recorder.exe"
# Named like the system's programs, beside the menu: never to be started.
DECOYS = ["write.exe", "notepad.exe", "explorer.exe"]
SHOW_NORMAL = 1


class Launching(MenuTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        settings = demo_settings()
        settings["MenuSettings"]["anzahl"] = str(len(TARGETS))
        settings["ReaderSetup"]["setup"] = ""
        for index, target in enumerate(TARGETS):
            settings[f"ButtonEntry {index}"] = {"button": f"Knopf {index}", "buttonb": f"> Knopf {index}", "anw": target}
        cls.medium = make_medium("launch", settings, [*DECOYS, READER])
        cls.directory = windows_path(cls.medium) + "\\"

    def setUp(self):
        for log in self.medium.rglob("*.log"):
            log.unlink()
        install_stand_ins()
        self.reader_command = f'"{windows_path(self.medium / READER)}"'
        register_reader(self.reader_command)
        self.addCleanup(unregister_reader)
        self.menu = self.start_menu(self.medium)

    def click(self, index):
        self.menu.click((cell_rect(index)[0] + 80, cell_rect(index)[1] + 20))

    def test_each_kind_of_target_starts_with_its_command_line_in_a_normal_window(self):
        expected = [
            (STAND_INS["write.exe"], f'write "{self.directory}dokumente\\liesmich.rtf"'),
            (STAND_INS["notepad.exe"], f'notepad "{self.directory}dokumente\\beispiel.ini"'),
            (self.medium / READER, f'{self.reader_command} "{self.directory}dokumente\\katalog.pdf"'),
            (self.medium / "programme/hallo.exe", "programme\\hallo.exe"),
            (BROWSER, browser_line("http://www.velmo-verlag.example/")),
        ]
        for index, (program, command_line) in enumerate(expected):
            self.click(index)
            self.assertEqual(wait_for_record(program), [(command_line, SHOW_NORMAL)])
        for decoy in DECOYS:
            self.assertEqual(recorded(self.medium / decoy), [], decoy)
        self.assertEqual(recorded(STAND_INS["explorer.exe"]), [])

    def test_the_keyboard_alone_starts_the_second_button_and_esc_closes_the_information_window(self):
        wait_for(lambda: self.menu.window(self.menu.main["hwnd"])["foreground"], "the menu in the foreground")
        # The pointer resting on another button does not take the highlight
        # back while it does not move.
        self.menu.move((cell_rect(6)[0] + 80, cell_rect(6)[1] + 20))
        settle()
        self.menu.desktop.key("Down", "Down")
        wait_for(lambda: self.menu.looks(self.menu.shot("keyboard"), 7) == ["normal", "highlighted"] + ["normal"] * 5, "button 1 highlighted")
        self.menu.desktop.key("Return")
        self.assertEqual(
            wait_for_record(STAND_INS["notepad.exe"]), [(f'notepad "{self.directory}dokumente\\beispiel.ini"', SHOW_NORMAL)]
        )
        # Under Wine a click while the started program hands the foreground
        # back can get lost between the X server and the desktop; a person
        # whose click went nowhere clicks once more.
        settle()
        for _ in range(3):
            self.menu.click((200, 200))
            try:
                window = self.menu.window_titled("Information", timeout=5)
                break
            except AssertionError:
                continue
        else:
            self.fail("the title picture opened no information window")
        wait_for(lambda: self.menu.window(window["hwnd"])["foreground"], "the information window in the foreground")
        self.menu.desktop.key("Escape")
        self.menu.wait_until_closed(window)

    def assert_reported(self, name, text):
        box = self.menu.message_box()
        self.menu.shot(f"message-{name}")
        self.assertEqual((box.caption, box.text), ("startart", text))
        self.menu.dismiss(box)
        # The menu carries on: the pointer highlights, and a click launches.
        self.menu.move((cell_rect(0)[0] + 140, cell_rect(0)[1] + 20))
        wait_for(lambda: self.menu.looks(self.menu.shot(f"message-{name}-after"), 1) == ["highlighted"], "button 0 highlighted")
        self.click(0)
        wait_for_record(STAND_INS["write.exe"])

    def test_a_target_of_no_known_kind_is_reported(self):
        self.click(5)
        self.assert_reported("unknown", f"Die angegebene Datei '{self.directory}dokumente\\notizen.txt' konnte nicht geöffnet werden!")

    def test_a_missing_reader_is_reported_when_the_medium_offers_no_installer(self):
        unregister_reader()
        self.click(2)
        self.assert_reported(
            "reader",
            "Adobe® Acrobat® Reader ist nicht richtig installiert!\n"
            "Adobe® Acrobat® Reader muss installiert sein, um fortzufahren!"
        )

    def test_a_missing_program_is_reported_with_its_command_line(self):
        self.click(6)
        self.assert_reported(
            "program",
            "Der Befehl 'programme\\fehlt.exe' konnte nicht ausgeführt werden:\n"
            "Das System kann die angegebene Datei nicht finden."
        )


if __name__ == "__main__":
    unittest.main()
