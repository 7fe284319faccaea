"""The default key table, the default Controls strings and the key display names, read from the
configuration library's own sources, so that the help pages name the keys the game starts with."""
import re

_STRING = r'"((?:[^"\\]|\\.)*)"'
_KEYS_ROW = re.compile(r'Keys\(\s*' + r',\s*'.join([_STRING] * 4) + r'\s*\)')
_CONTROLS_STRING = re.compile(r'\{\s*' + _STRING + r',\s*S,\s*0(?:,\s*' + _STRING + r')?\s*\}')
_NUMBER = re.compile(r'"(\w+)",\s*[IH],\s*(0x[0-9A-Fa-f]+|-?\d+)')
_DISPLAY_ROW = re.compile(r'\{\s*' + _STRING + r',\s*' + _STRING + r'\s*\}')


def _unescape(text):
    return re.sub(r'\\(.)', r'\1', text)


def _read(path):
    with open(path, encoding='utf-8') as source:
        return source.read()


def _block(text, name):
    """The initialiser of the array called name: from its opening brace to the closing '};'."""
    start = text.index(name)
    return text[text.index('{', start):text.index('};', start)]


class Defaults:
    def __init__(self, defaults_cpp, keys_cpp):
        defaults = _read(defaults_cpp)
        self.activities = {}  # activity name -> (caption, key 1, key 2), short key names
        self.order = []
        for row in _KEYS_ROW.findall(_block(defaults, 'kKeyDefinitions[]')):
            name, caption, key1, key2 = (_unescape(field) for field in row)
            self.activities[name] = (caption, key1, key2)
            self.order.append(name)
        self.controls = {}  # Controls entry -> its default string
        for name, text in _CONTROLS_STRING.findall(_block(defaults, 'kControls[]')):
            self.controls[name] = _unescape(text)
        self.numbers = dict((name, int(value, 0)) for name, value in _NUMBER.findall(defaults))
        keys = _read(keys_cpp)
        self.display = dict(
            (_unescape(short), _unescape(shown))
            for short, shown in _DISPLAY_ROW.findall(_block(keys, 'kDisplayTable[]')))
        if (len(self.activities) != 42 or not self.display or 'MouseButton0' not in self.controls
                or 'FXVolume' not in self.numbers):
            raise ValueError('the default tables were not found in the configuration sources')

    def caption(self, activity):
        return self.activities[activity][0]

    def display_name(self, short):
        """The name the key grid shows for a short key name."""
        if short == '':
            raise ValueError('an activity without a default key is named in the help')
        if len(short) == 1:
            return short
        return self.display[short]

    def key_names(self, activity):
        """The display names of the activity's default keys, key 1 first."""
        _, key1, key2 = self.activities[activity]
        return [self.display_name(key) for key in (key1, key2) if key]

    def number(self, entry, form):
        """A numeric default as the setup pages show it: 'dec', 'hex', or 'scale' (fixed point
        of 65536, or 32768 for the mouse sensitivity)."""
        value = self.numbers[entry]
        if form == 'hex':
            return f'{value:X}'
        if form == 'scale':
            return f'{value / (32768 if entry == "MouseSensitivity" else 65536):.2f}'
        return str(value)

    def control_caption(self, entry):
        """The caption of the activity a Controls entry triggers by default."""
        return self.caption(self.controls[entry])
