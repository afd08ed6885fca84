#!/usr/bin/env python3
"""Converts an X window dump (xwd, 24 or 32 bits per pixel, TrueColor) to PNG.

    xwd_png.py IN.xwd OUT.png

The window tests keep their screenshots as PNG, which any viewer opens.
"""
import struct
import sys
import zlib


def main(origine, destinazione):
    dati = open(origine, "rb").read()
    campi = struct.unpack(">25I", dati[:100])
    larghezza, altezza = campi[4], campi[5]
    ordine_byte, bit_per_pixel, byte_per_riga = campi[7], campi[11], campi[12]
    maschere = campi[14:17]
    # The pixels are the last bytes of the file, after the header and the
    # colour map.
    inizio = len(dati) - byte_per_riga * altezza
    if bit_per_pixel not in (24, 32):
        sys.exit(f"{origine}: {bit_per_pixel} bits per pixel not handled")
    passo = bit_per_pixel // 8
    formato = "<I" if ordine_byte == 0 else ">I"
    spostamenti = [(m & -m).bit_length() - 1 for m in maschere]
    righe = bytearray()
    for y in range(altezza):
        riga = dati[inizio + y * byte_per_riga:inizio + (y + 1) * byte_per_riga]
        righe.append(0)
        for x in range(larghezza):
            pezzo = riga[x * passo:x * passo + passo].ljust(4, b"\0")
            pixel = struct.unpack(formato, pezzo)[0]
            righe.extend((pixel & m) >> s for m, s in zip(maschere, spostamenti))

    def blocco(tipo, contenuto):
        return (struct.pack(">I", len(contenuto)) + tipo + contenuto +
                struct.pack(">I", zlib.crc32(tipo + contenuto) & 0xFFFFFFFF))

    png = (b"\x89PNG\r\n\x1a\n" + blocco(b"IHDR", struct.pack(">IIBBBBB", larghezza, altezza, 8, 2, 0, 0, 0)) +
           blocco(b"IDAT", zlib.compress(bytes(righe), 9)) + blocco(b"IEND", b""))
    open(destinazione, "wb").write(png)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
