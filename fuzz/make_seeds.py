#!/usr/bin/env python3
"""Writes the seed corpus of the two fuzz targets into fuzz/corpus/.

The seeds are committed; run this again only to change them. Each is a small
highscore file (and, for the entry target, an entry in front of it, in the
layout entry_input.h describes).
"""
import pathlib
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"
DATUM = "05.03.24 14:02:07"


def record(wert, person=b"", datum=b""):
    """One 39-byte record: score little-endian, name and date padded with blanks."""
    return struct.pack("<h", wert) + person[:20].ljust(20, b" ") + datum[:17].ljust(17, b" ")


def latin3(text):
    return text.encode("iso8859_3")


def eleven_records():
    places = [record(1100 - 100 * place, b"Player %d" % place, latin3(DATUM)) for place in range(1, 11)]
    return b"".join(places) + record(50, b"Eleventh", latin3(DATUM))


FILES = {
    "empty": b"",
    "one_record": record(700, b"Anna", latin3(DATUM)),
    "eleven_records": eleven_records(),
    # Records 12 and on, with bytes the game never writes: undefined in
    # ISO-8859-3 (a5, ae, be, c3, d0, e3, f0), control bytes, a negative score.
    "later_records_odd_bytes": eleven_records()
    + record(-32768, bytes([0xA5, 0xAE, 0xBE, 0xC3, 0xD0, 0xE3, 0xF0, 0x00, 0xFF]), b"\t\r\n\x1a")
    + record(32767, b"\x80\x9f" * 10, b"\xff" * 17),
    "short_last_record": eleven_records() + record(42, b"Cut short")[:20],
    "esperanto_names": record(900, latin3("Ĉiuĵaŭde Ŝanĝo"), latin3(DATUM))
    + record(800, latin3("ĜĤĴŬĉĝĥĵŝŭ"), latin3(DATUM))
    + record(0, latin3("Eĥoŝanĝo ĉiuĵaŭde"), b""),
    "unsorted_negative": record(-5, b"Below zero") + record(300, b"Higher later") + record(300, b"Tie"),
}


def utf16_text(text_units):
    """A count byte and that many UTF-16 code units, little-endian."""
    assert len(text_units) < 256
    return bytes([len(text_units)]) + b"".join(struct.pack("<H", unit) for unit in text_units)


def units(text):
    data = text.encode("utf-16-le", "surrogatepass")
    return [struct.unpack_from("<H", data, i)[0] for i in range(0, len(data), 2)]


def entry(flags, wert, person_units, datum_units, file_bytes):
    return bytes([flags]) + struct.pack("<h", wert) + utf16_text(person_units) + utf16_text(datum_units) + file_bytes


NO_FILE, STRAY_UNDO_COPY = 1, 2

ENTRIES = {
    "no_file_first_entry": entry(NO_FILE, 120, units("Zamenhof"), units(DATUM), b""),
    "esperanto_name_into_full_list": entry(0, 555, units("Ĉiuĵaŭde Ŝanĝo"), units(DATUM), FILES["eleven_records"]),
    "combining_circumflex_long_name": entry(
        0, 1000, units("c\u0302e\u0302 ĉapelo kun tro longa nomo"), units(DATUM), FILES["one_record"]),
    "emoji_and_lone_surrogates": entry(
        0, -7, units("a\U0001F600b") + [0xD800, 0x41, 0xDC00], [0xD83D], FILES["later_records_odd_bytes"]),
    "stray_undo_copy_short_last_record": entry(
        STRAY_UNDO_COPY, 42, units("Ŭ€Иван"), units("2024-03-05T14:02:07+01:00"),
        FILES["short_last_record"]),
    "stray_undo_copy_no_file": entry(NO_FILE | STRAY_UNDO_COPY, 1, units(""), units(""), b""),
    "tie_with_esperanto_names": entry(0, 800, units("Ĝojo"), units(DATUM), FILES["esperanto_names"]),
}


def write(folder, seeds):
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


write(CORPUS / "fuzz_read_file", FILES)
write(CORPUS / "fuzz_entry_and_reset", ENTRIES)
