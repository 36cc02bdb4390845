"""The main window as a person meets it: the demo medium's menu on the
screen, the button under the pointer, the title picture that opens the
information window, and the two ways out."""

import subprocess
import unittest

from harness import (
    CELL_HEIGHT,
    CELL_WIDTH,
    DEMO_BACKGROUND,
    TITLE_RECT,
    MenuTestCase,
    Picture,
    cell_rect,
    demo_medium,
    demo_settings,
    make_medium,
    near,
    wait_for,
)

BACKGROUND_POINT = (550, 420)


def assert_title_shows(test, menu, shot, title):
    """The title picture fills its place, stretched from whatever its size."""
    left, top, right, bottom = TITLE_RECT
    for y in range(top + 8, bottom, 40):
        for x in range(left + 8, right, 40):
            expected = title.pixel(x * title.width // right, y * title.height // bottom)
            test.assertTrue(near(shot.at(menu.client_point((x, y))), expected, 32), (x, y))


class DemoMenu(MenuTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.medium = demo_medium()
        cls.title = Picture(cls.medium / "bilder" / "titel.jpg")

    def setUp(self):
        self.menu = self.start_menu(self.medium)

    def test_shows_the_title_picture_the_labelled_buttons_and_the_background(self):
        shot = self.menu.shot("demo-menu")
        assert_title_shows(self, self.menu, shot, self.title)
        _, _, right, _ = TITLE_RECT
        for point in [(right + 2, 100), (cell_rect(0)[0] + 80, cell_rect(5)[3] + 30), BACKGROUND_POINT]:
            self.assertEqual(shot.at(self.menu.client_point(point)), DEMO_BACKGROUND, point)
        self.assertEqual(self.menu.looks(shot, 6), ["normal"] * 6)
        for index in range(6):
            self.assertIsNotNone(self.menu.label_ink(shot, index), index)

    def test_the_button_under_the_pointer_is_highlighted_until_the_pointer_reaches_the_background(self):
        # The labels are painted a moment after the window shows.
        normal = wait_for(
            lambda: (shot := self.menu.shot("demo-normal")) and self.menu.label_ink(shot, 2) and shot, "labels painted"
        )
        self.menu.move((cell_rect(2)[0] + CELL_WIDTH - 20, cell_rect(2)[1] + CELL_HEIGHT // 2))

        def highlighted_shot():
            shot = self.menu.shot("demo-hover")
            return self.menu.looks(shot, 6)[2] == "highlighted" and shot

        hovered = wait_for(highlighted_shot, "button 2 highlighted")
        self.assertEqual(self.menu.looks(hovered, 6), ["normal", "normal", "highlighted", "normal", "normal", "normal"])
        # The highlighted label, with its leading mark, is wider than the normal one.
        normal_ink = self.menu.label_ink(normal, 2)
        highlighted_ink = self.menu.label_ink(hovered, 2)
        self.assertGreater(highlighted_ink[2] - highlighted_ink[0], normal_ink[2] - normal_ink[0] + 5)

        self.menu.move(BACKGROUND_POINT)
        wait_for(lambda: self.menu.looks(self.menu.shot("demo-left"), 6) == ["normal"] * 6, "highlight cleared")

    def test_clicking_the_title_picture_opens_the_information_window(self):
        self.menu.click((200, 200))
        window = self.menu.window_titled("Information")
        self.assertTrue(window["foreground"])
        shot = self.menu.shot("demo-information")
        # Its text: dark ink on the window's face above its buttons.
        left, top, right, _ = window["client"]
        ink = [shot.at((x, y)) for y in range(top + 10, top + 100) for x in range(left + 10, right - 10)]
        self.assertGreater(sum(1 for colour in ink if max(colour) < 80), 100)

    def test_the_close_box_ends_the_menu_normally(self):
        self.menu.close(self.menu.main)
        self.assertEqual(self.menu.exit_status(), 0)

    def test_the_button_whose_target_is_ende_ends_the_menu_normally(self):
        self.menu.click((cell_rect(5)[0] + 80, cell_rect(5)[1] + 20))
        self.assertEqual(self.menu.exit_status(), 0)


class ButtonWithoutLabel(MenuTestCase):
    def test_leaves_a_gap_and_the_buttons_after_it_keep_their_places(self):
        settings = demo_settings()
        settings["ButtonEntry 2"]["button"] = ""
        menu = self.start_menu(make_medium("gap", settings))
        looks = menu.looks(menu.shot("gap"), 6)
        self.assertEqual(looks, ["normal", "normal", "background", "normal", "normal", "normal"])


class ScaledTitlePicture(MenuTestCase):
    def test_a_title_picture_of_another_size_is_stretched_beside_a_png_window_icon(self):
        settings = demo_settings()
        settings["MenuSettings"]["titelbild"] = "bilder\\titel.png"
        settings["MenuSettings"]["icon"] = "bilder\\icon.png"
        medium = make_medium("scaled", settings)
        pictures = medium / "bilder"
        # Smooth, so that any fair filter gives about the colour of the
        # source pixel nearest to a sample.
        corners = "0,0 red 640,0 blue 0,478 yellow 640,478 black"
        for name, size in (("titel.png", "641x479"), ("icon.png", "48x48")):
            subprocess.run(
                ["convert", "-size", size, "xc:", "-sparse-color", "bilinear", corners, pictures / name], check=True
            )
        menu = self.start_menu(medium)
        assert_title_shows(self, menu, menu.shot("scaled"), Picture(pictures / "titel.png"))


if __name__ == "__main__":
    unittest.main()
