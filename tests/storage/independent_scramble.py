"""A second, independent implementation of the scrambled data-file format, written from the
format's description alone, used to check that the program and it read each other's files.

A data file is the scrambled text followed by CR LF. Scrambling shifts byte i (1-based) of a
text of length L by k = (S + L - i) mod 128, where S is the sum of the Windows-1252 codes of the
key; scrambled = (c + k - 1) mod 256, and unscrambling undoes it.
"""

KEY = "qÆ7ÐµZ×m4Ñe"
SHIFT_SUM = sum(KEY.encode("cp1252"))


def scramble(data: bytes, unscramble: bool = False) -> bytes:
    length = len(data)
    out = bytearray(length)
    for index, code in enumerate(data, start=1):
        shift = (SHIFT_SUM + length - index) % 128
        out[index - 1] = (code + 1 - shift) % 256 if unscramble else (code + shift - 1) % 256
    return bytes(out)


def write_data_file(path, plain: bytes) -> None:
    with open(path, "wb") as handle:
        handle.write(scramble(plain) + b"\r\n")


def read_data_file(path) -> bytes:
    with open(path, "rb") as handle:
        raw = handle.read()
    return scramble(raw[:-2], unscramble=True)
