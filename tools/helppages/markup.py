"""The small markup of the help texts, turned into tokens that the layout places one by one.

  {keys:Activity}  the activity's default keys, each as a key cap
  {key:Activity}   its first default key as a key cap
  {k:Text}         a key cap with a fixed text (F9, Esc)
  {act:Activity}   the activity's caption, quoted, as the key grid shows it
  {ctl:Entry}      the caption of the activity that a Controls entry triggers by default, quoted
  {q:Text}         a caption of the program's own windows, quoted
  {b:Text}         emphasised text
  {dim:Text}       a quieter remark
  {dec:Entry}, {hex:Entry}, {scale:Entry}   a numeric default, as its setup page shows it
"""
import re

_TAG = re.compile(r'\{(\w+):([^{}]*)\}')


class Token:
    def __init__(self, kind, style, text, space_before):
        self.kind = kind  # 'text' or 'chip'
        self.style = style  # 'body', 'em', 'dim' for text; 'chip' for key caps
        self.text = text
        self.space_before = space_before

    def __repr__(self):
        return f'Token({self.kind}, {self.style}, {self.text!r}, {self.space_before})'


def _words(text, style, space_before, tokens):
    """Splits text into word tokens; returns whether the text ended with a space."""
    pending_space = space_before
    for piece in re.split(r'( +)', text):
        if piece == '':
            continue
        if piece.startswith(' '):
            pending_space = True
            continue
        tokens.append(Token('text', style, piece, pending_space))
        pending_space = False
    return pending_space


def tokenize(source, defaults):
    tokens = []
    space = False
    position = 0
    for tag in _TAG.finditer(source):
        space = _words(source[position:tag.start()], 'body', space, tokens)
        kind, argument = tag.group(1), tag.group(2)
        if kind in ('keys', 'key', 'k'):
            names = {'keys': lambda: defaults.key_names(argument),
                     'key': lambda: defaults.key_names(argument)[:1],
                     'k': lambda: [argument]}[kind]()
            for name in names:
                tokens.append(Token('chip', 'chip', name, space))
                space = True
            space = False
        elif kind in ('act', 'ctl', 'q'):
            caption = {'act': lambda: defaults.caption(argument),
                       'ctl': lambda: defaults.control_caption(argument),
                       'q': lambda: argument}[kind]()
            space = _words('«' + caption + '»', 'em', space, tokens)
        elif kind in ('dec', 'hex', 'scale'):
            space = _words(defaults.number(argument, kind), 'em', space, tokens)
        elif kind in ('b', 'dim'):
            space = _words(argument, 'em' if kind == 'b' else 'dim', space, tokens)
        else:
            raise ValueError(f'unknown markup {tag.group(0)!r} in {source!r}')
        position = tag.end()
    _words(source[position:], 'body', space, tokens)
    for token in tokens:
        if '@' in token.text or '\\' in token.text:
            raise ValueError(f'{token.text!r}: ImageMagick would read it as a file or an escape')
    return tokens
