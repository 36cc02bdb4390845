"""The menu on displays scaled to 125, 150 and 200 %, as most laptops run
them: the windows as large as at 100 % times the scale, the buttons where the
scale puts them and answering the pointer there, the labels and the buttons'
texts whole, and the title picture scaled smoothly."""

import subprocess
import unittest

from harness import (
    DEMO_BACKGROUND,
    LOGICAL_DPI,
    TITLE_RECT,
    Menu,
    MenuTestCase,
    cell_rect,
    centre,
    demo_settings,
    make_medium,
    near,
    probe,
    scaled,
    scaled_rect,
    set_display_dpi,
    settle,
    unregister_reader,
    wait_for,
)

SCALES = (120, 144, 192)
BUTTONS = 6
# A shade is a pixel between the title picture's black and white: one that a
# smooth filter mixed.
BLACK, WHITE = (0, 0, 0), (255, 255, 255)


def size_of(rect):
    return (rect[2] - rect[0], rect[3] - rect[1])


def is_shade(colour):
    return not near(colour, BLACK, 24) and not near(colour, WHITE, 24)


class DisplayScale(MenuTestCase):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.addClassCleanup(set_display_dpi, LOGICAL_DPI)
        unregister_reader()
        # The demo medium with a title picture of its place's size whose
        # diagonal edge is sharp: any smoothing shows as shades along it.
        settings = demo_settings()
        settings["MenuSettings"]["titelbild"] = "bilder\\diagonale.png"
        cls.medium = make_medium("scale", settings)
        width, height = size_of(TITLE_RECT)
        subprocess.run(
            ["convert", "-size", f"{width}x{height}", "xc:white", "+antialias", "-fill", "black",
             "-draw", f"polygon 0,0 {width},0 0,{height}", cls.medium / "bilder" / "diagonale.png"],
            check=True,
        )
        # The windows' outer sizes at 100 %, which every scale multiplies.
        cls.logical = {name: size_of(window["window"]) for name, window in cls.windows_at(LOGICAL_DPI).items()}

    @classmethod
    def windows_at(cls, dpi):
        """The main window, the information window and the reader notice, as
        they come up at dpi, each with its command buttons, and a screenshot
        of the menu and one of each of the two."""
        set_display_dpi(dpi)
        menu = cls.menu_at(dpi)
        try:
            found = {"main": dict(menu.main, shot=menu.shot(f"scale-{dpi}"), menu=menu)}
            for name, title, point in (
                ("information", "Information", (200, 200)),
                ("notice", "Wichtiger Hinweis", centre(cell_rect(0, LOGICAL_DPI))),
            ):
                menu.click(tuple(scaled(value, dpi) for value in point))
                window = menu.window_titled(title)
                settle()
                window["buttons"] = [child for child in probe("children", window["hwnd"]) if child["class"] == "Button"]
                window["shot"] = menu.shot(f"scale-{dpi}-{name}")
                found[name] = window
                menu.close(window)
                menu.wait_until_closed(window)
            return found
        finally:
            menu.stop()

    @classmethod
    def menu_at(cls, dpi):
        menu = Menu(cls.medium, dpi)
        wait_for(lambda: menu.label_ink(menu.shot("scale-labels"), 0), "labels painted")
        return menu

    def test_every_window_and_everything_in_it_is_scaled(self):
        for dpi in SCALES:
            with self.subTest(dpi=dpi):
                windows = self.windows_at(dpi)
                for name, window in windows.items():
                    expected = tuple(value * dpi / LOGICAL_DPI for value in self.logical[name])
                    for got, wanted in zip(size_of(window["window"]), expected):
                        self.assertLessEqual(abs(got - wanted), 3, (name, size_of(window["window"]), expected))
                main = windows["main"]
                menu, shot = main["menu"], main["shot"]
                self.assert_faces_in_place(menu, shot, dpi)
                self.assert_labels_whole(menu, shot, "normal")
                self.assert_title_smooth(menu, shot, dpi)
                for name in ("information", "notice"):
                    self.assert_button_texts_whole(windows[name], dpi)

    def test_the_pointer_highlights_the_button_it_is_on(self):
        for dpi in SCALES:
            with self.subTest(dpi=dpi):
                set_display_dpi(dpi)
                menu = self.menu_at(dpi)
                self.addCleanup(menu.stop)
                for index in range(BUTTONS):
                    menu.move(centre(cell_rect(index, dpi)))
                    expected = ["normal"] * BUTTONS
                    expected[index] = "highlighted"
                    shot = wait_for(
                        lambda: (shot := menu.shot(f"scale-{dpi}-hover")) and menu.looks(shot, BUTTONS) == expected
                        and shot,
                        f"button {index} highlighted at {dpi} dpi",
                    )
                    self.assert_labels_whole(menu, shot, f"button {index} highlighted", index)
                menu.stop()

    def test_a_small_screen_at_125_percent_holds_the_window_as_a_screen_of_its_logical_size_does(self):
        # Fifteen buttons: the window is planned taller than 614 pixels.
        settings = demo_settings()
        settings["MenuSettings"]["anzahl"] = "15"
        settings["MenuSettings"]["abstand"] = "75"
        for index in range(6, 15):
            settings[f"ButtonEntry {index}"] = {"button": f"Knopf {index}", "buttonb": f"» Knopf {index}", "anw": "Ende"}
        medium = make_medium("small-screen", settings)
        held = {}
        for dpi, desktop in ((LOGICAL_DPI, (1093, 614)), (120, (1093, 614))):
            set_display_dpi(dpi, desktop)
            menu = Menu(medium, dpi)
            self.addCleanup(menu.stop)
            held[dpi] = menu.main["window"]
            menu.stop()
        # 1366 x 768 at 125 %: the 100 % window of a 1093 x 614 screen, scaled.
        self.assertLessEqual(size_of(held[LOGICAL_DPI])[1], 614)
        for got, logical in zip(size_of(held[120]), size_of(held[LOGICAL_DPI])):
            self.assertLessEqual(abs(got - logical * 120 / LOGICAL_DPI), 3, (held[120], held[LOGICAL_DPI]))
        self.assertGreaterEqual(held[120][1], 0)
        self.assertLessEqual(held[120][3], 768)

    def assert_faces_in_place(self, menu, shot, dpi):
        """Each face's edges, where the background meets it across its
        middle, lie within 2 pixels of its rectangle scaled."""
        for index in range(BUTTONS):
            left, top, right, bottom = cell_rect(index, dpi)
            middle_x, middle_y = centre((left, top, right, bottom))

            def edge(points):
                return next(p for p in points if not near(shot.at(menu.client_point(p)), DEMO_BACKGROUND, 12))

            # From the gap of background that lies around every face.
            gap = scaled(4, dpi)
            found = (
                edge([(x, middle_y) for x in range(left - gap, right)])[0],
                edge([(middle_x, y) for y in range(top - gap, bottom)])[1],
                edge([(x, middle_y) for x in range(right + gap, left, -1)])[0] + 1,
                edge([(middle_x, y) for y in range(bottom + gap, top, -1)])[1] + 1,
            )
            for got, wanted in zip(found, (left, top, right, bottom)):
                self.assertLessEqual(abs(got - wanted), 2, (index, found, (left, top, right, bottom)))

    def assert_labels_whole(self, menu, shot, what, highlighted=None):
        """No label's ink reaches its face's edge: within the border the
        face's picture draws, the ink keeps off the border."""
        ring = scaled(3, menu.dpi)
        for index in range(BUTTONS):
            left, top, right, bottom = cell_rect(index, menu.dpi)
            ink = menu.label_ink(shot, index, border=(ring, ring, ring, ring))
            self.assertIsNotNone(ink, (what, index))
            inner = (ring, ring, right - left - ring, bottom - top - ring)
            self.assertTrue(
                ink[0] > inner[0] and ink[1] > inner[1] and ink[2] < inner[2] and ink[3] < inner[3],
                (what, index, ink, inner, index == highlighted),
            )

    def assert_title_smooth(self, menu, shot, dpi):
        """Along the title picture's diagonal edge the scaled picture mixes
        black and white, and no 2 x 2 block there is of one colour, as every
        block is where a picture is only enlarged pixel by pixel."""
        left, top, right, bottom = scaled_rect(TITLE_RECT, dpi)
        rows = range(top + 10, bottom - 10)
        shaded = 0
        for y in rows:
            row = [shot.at(menu.client_point((x, y))) for x in range(left, right)]
            shades = [x for x, colour in enumerate(row) if is_shade(colour)]
            shaded += bool(shades)
            for x in shades:
                block = {shot.at(menu.client_point((left + x + dx, y + dy))) for dx in (0, 1) for dy in (0, 1)}
                self.assertGreater(len(block), 1, (dpi, left + x, y))
        self.assertGreater(shaded, len(rows) * 0.8, dpi)

    def assert_button_texts_whole(self, window, dpi):
        """The dark ink of each command button's text keeps off the button's
        three-dimensional border: the text is not cut off. The dotted focus
        rectangle, a line across nearly all the button, is no text."""
        shot = window["shot"]
        ring = scaled(3, dpi)
        for button in window["buttons"]:
            left, top, right, bottom = button["window"]
            inner = [(x, y) for y in range(top + ring, bottom - ring) for x in range(left + ring, right - ring)]
            ink = [(x, y) for x, y in inner if max(shot.at((x, y))) < 80]
            across = {x for x in range(left, right) if sum(1 for p in ink if p[0] == x) > (bottom - top) // 2}
            down = {y for y in range(top, bottom) if sum(1 for p in ink if p[1] == y) > (right - left) // 2}
            text = [(x, y) for x, y in ink if x not in across and y not in down]
            self.assertTrue(text, button["text"])
            xs, ys = [x for x, _ in text], [y for _, y in text]
            self.assertGreater(min(xs), left + ring, button["text"])
            self.assertLess(max(xs), right - ring - 1, button["text"])
            self.assertGreater(min(ys), top + ring, button["text"])
            self.assertLess(max(ys), bottom - ring - 1, button["text"])

if __name__ == "__main__":
    unittest.main()
