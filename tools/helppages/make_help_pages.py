#!/usr/bin/env python3
"""Writes the eight help pages "LHelp01.bmp" to "LHelp08.bmp" (600 x 450, 256 colours) into a
folder, drawn by ImageMagick with DejaVu fonts. The default keys and button assignments come from
the configuration library's sources, so the pages always describe the keys the game starts with.

  make_help_pages.py --convert PATH --fonts DIR --defaults setup_defaults.cpp
                     --keys setup_keys.cpp OUTPUT_FOLDER

The output is the same bytes on every run: BMP3 carries no time stamp, and the colour reduction
does not dither."""
import argparse
import os
import subprocess
import sys

import help_text
import layout
from config_source import Defaults


def escaped(text):
    """ImageMagick expands percent escapes in label: and -annotate texts."""
    return text.replace('%', '%%')


class Measurer:
    """Text widths in pixels, asked of ImageMagick in one run per font role."""

    def __init__(self, convert, fonts):
        self.convert = convert
        self.fonts = fonts
        self.widths = {}
        self.missing = set()

    def font(self, role):
        return os.path.join(self.fonts, layout.FONTS[role][0])

    def __call__(self, role, text):
        key = (role, text)
        if key in self.widths:
            return self.widths[key]
        self.missing.add(key)
        return 0

    def measure_missing(self):
        for role in sorted({role for role, _ in self.missing}):
            texts = sorted(text for r, text in self.missing if r == role)
            # A label of a lone space has no width of its own: measure "x x" less "xx".
            probes = [t for t in texts if t != ' '] + ['x x', 'xx']
            command = [self.convert, '-font', self.font(role), '-pointsize',
                       str(layout.FONTS[role][1])]
            command += ['label:' + escaped(t) for t in probes]
            command += ['-format', '%w\n', 'info:']
            output = subprocess.run(command, check=True, capture_output=True, text=True).stdout
            widths = [int(w) - 1 for w in output.split()]  # label: adds one pixel column
            if len(widths) != len(probes):
                raise RuntimeError(f'ImageMagick measured {len(widths)} of {len(probes)} texts')
            measured = dict(zip(probes, widths))
            for text in texts:
                width = measured['x x'] - measured['xx'] if text == ' ' else measured[text]
                self.widths[(role, text)] = width
        self.missing.clear()


def draw_commands(ops, measurer, body_only):
    args = []
    for op in ops:
        if op[0] == 'text':
            _, role, x, y, text, body = op
            if body_only and not body:
                continue
            _, size, colour = layout.FONTS[role]
            args += ['-stroke', 'none', '-fill', colour, '-font', measurer.font(role),
                     '-pointsize', str(size), '-annotate', f'+{x}+{y}', escaped(text)]
        elif body_only:
            continue
        elif op[0] == 'rect':
            _, x0, y0, x1, y1, fill, stroke, radius = op
            shape = (f'roundrectangle {x0},{y0} {x1},{y1} {radius},{radius}' if radius else
                     f'rectangle {x0},{y0} {x1},{y1}')
            args += ['-fill', fill, '-stroke', stroke or 'none', '-strokewidth', '1', '-draw',
                     shape]
        elif op[0] == 'line':
            _, x0, y0, x1, y1, colour = op
            args += ['-stroke', colour, '-strokewidth', '1', '-draw',
                     f'line {x0},{y0} {x1},{y1}']
    return args


def backdrop():
    """A dark gradient with a faint grid, as on a ship's display."""
    args = ['-size', f'{layout.WIDTH}x{layout.HEIGHT}', 'gradient:#131b26-#06080c',
            '-stroke', '#111923', '-strokewidth', '1']
    for x in range(0, layout.WIDTH, 25):
        args += ['-draw', f'line {x},{layout.HEADER_H} {x},{layout.HEIGHT}']
    for y in range(layout.HEADER_H + 14, layout.HEIGHT, 25):
        args += ['-draw', f'line 0,{y} {layout.WIDTH},{y}']
    return args


def check_body_inside(convert, ops, measurer, label):
    """Draws the body text alone and checks that its ink stays inside the body's frame."""
    command = [convert, '-size', f'{layout.WIDTH}x{layout.HEIGHT}', 'xc:none', '-gravity',
               'NorthWest'] + draw_commands(ops, measurer, True) + ['-format', '%@', 'info:']
    box = subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()
    size, x, y = box.split('+')
    w, h = (int(v) for v in size.split('x'))
    x, y = int(x), int(y)
    left, right = layout.MARGIN - 8, layout.WIDTH - layout.MARGIN + 8
    if x < left or x + w > right or y < layout.HEADER_H or y + h > layout.BODY_BOTTOM + 4:
        raise layout.PageError(f'{label}: the text reaches {box}, outside the body')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--convert', default='convert')
    parser.add_argument('--fonts', default='/usr/share/fonts/truetype/dejavu')
    parser.add_argument('--defaults', required=True)
    parser.add_argument('--keys', required=True)
    parser.add_argument('output')
    options = parser.parse_args()
    defaults = Defaults(options.defaults, options.keys)
    measurer = Measurer(options.convert, options.fonts)
    pages = help_text.PAGES
    for number, content in enumerate(pages, 1):
        layout.lay_out(number, len(pages), content, defaults, measurer)  # collects the texts
    measurer.measure_missing()
    os.makedirs(options.output, exist_ok=True)
    for number, content in enumerate(pages, 1):
        ops = layout.lay_out(number, len(pages), content, defaults, measurer)
        check_body_inside(options.convert, ops, measurer, f'page {number}')
        target = os.path.join(options.output, f'LHelp{number:02d}.bmp')
        command = [options.convert] + backdrop() + ['-gravity', 'NorthWest']
        command += draw_commands(ops, measurer, False)
        command += ['+dither', '-colors', '256', '-type', 'Palette', '-compress', 'None',
                    'BMP3:' + target]
        subprocess.run(command, check=True)
    return 0


if __name__ == '__main__':
    try:
        sys.exit(main())
    except (layout.PageError, ValueError, KeyError) as problem:
        print(f'make_help_pages: {problem}', file=sys.stderr)
        sys.exit(1)
