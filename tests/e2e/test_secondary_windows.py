"""The information window and the reader notice over the demo menu: where
they appear, what they start, and the menu buttons that rest while one of
them is open and react again at once when it closes."""

import unittest

from harness import (
    BROWSER,
    STAND_INS,
    MenuTestCase,
    browser_line,
    cell_rect,
    centre,
    demo_settings,
    install_stand_ins,
    make_medium,
    recorded,
    settle,
    unregister_reader,
    wait_for,
    wait_for_record,
)

BACKGROUND_POINT = (550, 420)
SHOW_NORMAL, SHOW_MINIMIZED = 1, 2


def point_in(index, x=140):
    left, top, _, _ = cell_rect(index)
    return (left + x, top + 20)


class SecondaryWindows(MenuTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        unregister_reader()
        cls.medium = make_medium("windows", demo_settings(), ["reader/setup.exe"])

    def setUp(self):
        for log in self.medium.rglob("*.log"):
            log.unlink()
        install_stand_ins()
        self.menu = self.start_menu(self.medium)

    def look(self, index, name):
        return self.menu.looks(self.menu.shot(name), index + 1)[index]

    def assert_centred_on_the_menu(self, window):
        main = centre(self.menu.main["window"])
        here = centre(window["window"])
        self.assertLessEqual(abs(here[0] - main[0]), 1)
        self.assertLessEqual(abs(here[1] - main[1]), 1)

    def assert_shown_over_the_menu(self, before, window, name):
        """The window's pixels are on the screen, in front of the menu."""
        after = self.menu.shot(name)
        left, top, right, bottom = window["window"]
        points = [(x, y) for y in range(top + 2, bottom - 2, 12) for x in range(left + 2, right - 2, 12)]
        changed = sum(1 for point in points if before.at(point) != after.at(point))
        self.assertGreater(changed, len(points) * 3 // 4)

    def assert_buttons_react_at_once(self):
        self.menu.move(point_in(1))
        wait_for(lambda: self.look(1, "windows-after") == "highlighted", "button 1 highlighted")
        self.menu.click(point_in(1))
        self.assertEqual(len(wait_for_record(STAND_INS["write.exe"])), 1)

    def test_information_window_rests_the_buttons_and_opens_the_homepage(self):
        before = self.menu.shot("information-before")
        self.menu.click((200, 200))
        window = self.menu.window_titled("Information")
        self.assert_centred_on_the_menu(window)
        self.assert_shown_over_the_menu(before, window, "information")

        self.menu.move(point_in(1))
        settle()
        self.assertEqual(self.look(1, "information-hover"), "normal")
        self.menu.click(point_in(1))
        self.menu.click_button(window, "Velmo-Homepage")
        self.assertEqual(wait_for_record(BROWSER), [(browser_line("http://www.velmo-verlag.example/"), SHOW_NORMAL)])
        self.assertIsNotNone(self.menu.window(window["hwnd"]))
        self.assertEqual(recorded(STAND_INS["write.exe"]), [])

        self.menu.click_button(window, "Verlassen")
        self.menu.wait_until_closed(window)
        self.assert_buttons_react_at_once()

    def test_reader_notice_rests_the_buttons_and_starts_the_installer_minimized(self):
        before = self.menu.shot("notice-before")
        self.menu.click(point_in(0))
        window = self.menu.window_titled("Wichtiger Hinweis")
        self.assert_centred_on_the_menu(window)
        self.assert_shown_over_the_menu(before, window, "notice")
        self.assertEqual(self.look(0, "notice-open"), "highlighted")

        # The resting buttons neither take the highlight nor launch, while
        # the background still clears it.
        self.menu.move(point_in(1))
        settle()
        self.assertEqual(self.look(0, "notice-hover"), "highlighted")
        self.menu.click(point_in(1))
        self.menu.move(BACKGROUND_POINT)
        wait_for(lambda: self.look(0, "notice-background") == "normal", "highlight cleared")

        self.menu.click_button(window, "Installieren")
        self.assertEqual(wait_for_record(self.medium / "reader/setup.exe"), [("reader\\setup.exe", SHOW_MINIMIZED)])
        self.assertIsNotNone(self.menu.window(window["hwnd"]))
        self.assertEqual(recorded(STAND_INS["write.exe"]), [])

        self.menu.click_button(window, "Abbrechen")
        self.menu.wait_until_closed(window)
        self.assert_buttons_react_at_once()


if __name__ == "__main__":
    unittest.main()
