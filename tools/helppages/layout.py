"""Places a help page: header band, body blocks, footer. The result is a list of drawing
operations in page pixels; the renderer turns them into ImageMagick commands.

Every text is measured with the font that draws it (through ImageMagick), and a block whose text
would not fit its place stops the generator with a message, so that no page ships clipped."""
from markup import tokenize

WIDTH, HEIGHT = 600, 450
MARGIN = 24
HEADER_H = 46
BODY_TOP = 60
BODY_BOTTOM = 420
FOOTER_Y = 427
LINE_H = 21
CHIP_PAD = 5
CHIP_GAP = 4

# Colours: dark steel with the program's orange accent.
ORANGE = '#ffaa28'
TEXT = '#e3e8ee'
DIM = '#93a0b0'
EMPHASIS = '#ffd27a'
CHIP_FILL = '#2e2416'
CHIP_TEXT = '#fff3dc'
ZEBRA = '#18212d'
RULE = '#2c3a4c'

# Font roles: (font file, pixel size, colour).
FONTS = {
    'body': ('DejaVuSansCondensed.ttf', 15, TEXT),
    'em': ('DejaVuSansCondensed-Bold.ttf', 15, EMPHASIS),
    'dim': ('DejaVuSansCondensed-Oblique.ttf', 15, DIM),
    'chip': ('DejaVuSansCondensed-Bold.ttf', 13, CHIP_TEXT),
    'heading': ('DejaVuSansCondensed-Bold.ttf', 16, ORANGE),
    'title': ('DejaVuSans-Bold.ttf', 21, '#f6f7f9'),
    'number': ('DejaVuSans-Bold.ttf', 16, ORANGE),
    'footer': ('DejaVuSansCondensed.ttf', 12, DIM),
}


class PageError(Exception):
    pass


class Page:
    """Collects the drawing operations of one page."""

    def __init__(self, measure, label):
        self.measure = measure
        self.label = label
        self.ops = []
        self.y = BODY_TOP

    def text(self, role, x, y, text, body=True):
        self.ops.append(('text', role, x, y, text, body))

    def rect(self, x0, y0, x1, y1, fill, stroke=None, radius=0):
        self.ops.append(('rect', x0, y0, x1, y1, fill, stroke, radius))

    def line(self, x0, y0, x1, y1, colour):
        self.ops.append(('line', x0, y0, x1, y1, colour))

    def width(self, token):
        size = self.measure(token.style, token.text)
        return size + 2 * CHIP_PAD if token.kind == 'chip' else size

    def space(self, token):
        if not token.space_before:
            return 0
        return CHIP_GAP + 2 if token.kind == 'chip' else self.measure('body', ' ')

    def wrap(self, tokens, width):
        """Splits tokens into lines no wider than width."""
        lines, line, used = [], [], 0
        for token in tokens:
            gap = self.space(token) if line else 0
            if line and used + gap + self.width(token) > width and token.space_before:
                lines.append(line)
                line, used, gap = [], 0, 0
            line.append(token)
            used += gap + self.width(token)
        if line:
            lines.append(line)
        for line in lines:
            if self.line_width(line) > width:
                raise PageError(f'{self.label}: "{self.plain(line)}" is wider than {width} px')
        return lines

    def line_width(self, line):
        return sum((self.space(t) if i else 0) + self.width(t) for i, t in enumerate(line))

    @staticmethod
    def plain(line):
        return ' '.join(token.text for token in line)

    def draw_line(self, line, x, y):
        for index, token in enumerate(line):
            if index:
                x += self.space(token)
            if token.kind == 'chip':
                w = self.width(token)
                self.rect(x, y, x + w, y + 18, CHIP_FILL, ORANGE, 3)
                self.text('chip', x + CHIP_PAD, y + 1, token.text)
            else:
                self.text(token.style, x, y, token.text)
            x += self.width(token)

    def advance(self, height):
        self.y += height
        if self.y > BODY_BOTTOM:
            raise PageError(f'{self.label}: the text runs {self.y - BODY_BOTTOM} px past the page')


def header(page, number, count, title):
    page.rect(0, 0, WIDTH - 1, HEADER_H, '#1a2431')
    page.rect(0, HEADER_H - 3, WIDTH - 1, HEADER_H - 1, ORANGE)
    page.rect(MARGIN, 12, MARGIN + 4, HEADER_H - 14, ORANGE)
    numbering = f'{number}/{count}'
    number_w = page.measure('number', numbering)
    box_x = WIDTH - MARGIN - number_w - 16
    page.rect(box_x, 10, WIDTH - MARGIN, HEADER_H - 12, '#10161e', ORANGE, 4)
    page.text('number', box_x + 8, 12, numbering, body=False)
    room = box_x - 12 - (MARGIN + 14)
    if page.measure('title', title) > room:
        raise PageError(f'{page.label}: the title "{title}" is wider than {room} px')
    page.text('title', MARGIN + 14, 10, title, body=False)


def footer(page):
    page.line(MARGIN, FOOTER_Y - 4, WIDTH - MARGIN, FOOTER_Y - 4, RULE)
    page.text('footer', MARGIN, FOOTER_Y, 'VOLTRANE  ·  Помощь', body=False)
    hint = 'Страницы листаются полосой справа  ·  Esc закрывает окно'
    page.text('footer', WIDTH - MARGIN - page.measure('footer', hint), FOOTER_Y, hint, body=False)


def paragraph(page, source, defaults, indent=0):
    x = MARGIN + indent
    for line in page.wrap(tokenize(source, defaults), WIDTH - MARGIN - x):
        page.draw_line(line, x, page.y)
        page.advance(LINE_H)
    page.y += 5


def heading(page, text):
    page.y += 3
    page.text('heading', MARGIN, page.y, text)
    w = page.measure('heading', text)
    page.line(MARGIN + w + 10, page.y + 10, WIDTH - MARGIN, page.y + 10, RULE)
    page.advance(LINE_H)
    page.y += 3


def bullets(page, items, defaults):
    for source in items:
        page.rect(MARGIN + 2, page.y + 7, MARGIN + 7, page.y + 12, ORANGE)
        lines = page.wrap(tokenize(source, defaults), WIDTH - 2 * MARGIN - 16)
        for line in lines:
            page.draw_line(line, MARGIN + 16, page.y)
            page.advance(LINE_H)
        page.y += 2
    page.y += 4


def rows(page, pairs, defaults, left_width):
    """A two-column table: a caption on the left, keys and remarks on the right."""
    right_x = MARGIN + left_width
    for index, (left, right) in enumerate(pairs):
        left_lines = page.wrap(tokenize(left, defaults), left_width - 10)
        if len(left_lines) > 1:
            raise PageError(f'{page.label}: "{left}" does not fit its column')
        right_lines = page.wrap(tokenize(right, defaults), WIDTH - MARGIN - right_x)
        height = len(right_lines) * LINE_H + 3
        if index % 2 == 0:
            page.rect(MARGIN - 6, page.y - 2, WIDTH - MARGIN + 6, page.y + height - 3, ZEBRA)
        page.draw_line(left_lines[0], MARGIN, page.y + 1)
        top = page.y
        for number, line in enumerate(right_lines):
            page.draw_line(line, right_x, top + 1 + number * LINE_H)
        page.advance(height)
    page.y += 6


def key_rows(page, activities, defaults, left_width):
    """Rows of activities with their default keys: an entry is an activity or (activity, remark)."""
    pairs = []
    for entry in activities:
        activity, remark = entry if isinstance(entry, tuple) else (entry, '')
        right = '{keys:' + activity + '}' + (' {dim:' + remark + '}' if remark else '')
        pairs.append((defaults.caption(activity), right))
    rows(page, pairs, defaults, left_width)


def lay_out(number, count, content, defaults, measure):
    page = Page(measure, f'page {number}')
    header(page, number, count, content['title'])
    for block in content['blocks']:
        kind = block[0]
        if kind == 'p':
            paragraph(page, block[1], defaults)
        elif kind == 'h':
            heading(page, block[1])
        elif kind == 'bullets':
            bullets(page, block[1], defaults)
        elif kind == 'keys':
            key_rows(page, block[1], defaults, block[2] if len(block) > 2 else 200)
        elif kind == 'rows':
            rows(page, block[1], defaults, block[2] if len(block) > 2 else 200)
        else:
            raise PageError(f'page {number}: unknown block {kind!r}')
    footer(page)
    return page.ops
