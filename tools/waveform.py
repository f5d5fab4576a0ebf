#!/usr/bin/env python3
"""Draws a 16-bit mono WAV's waveform as a PPM picture (one column of min/max per pixel, a grey
line each second), for the README: tools/waveform.py track.wav out.ppm [width height]"""
import struct
import sys


def Samples(path):
    data = open(path, 'rb').read()
    assert data[:4] == b'RIFF' and data[8:12] == b'WAVE'
    at = 12
    rate = 0
    while at + 8 <= len(data):
        chunk, size = data[at:at + 4], struct.unpack('<I', data[at + 4:at + 8])[0]
        body = data[at + 8:at + 8 + size]
        if chunk == b'fmt ':
            tag, channels, rate, _, _, bits = struct.unpack('<HHIIHH', body[:16])
            assert tag == 1 and channels == 1 and bits == 16
        elif chunk == b'data':
            return rate, struct.unpack('<%dh' % (len(body) // 2), body[:len(body) // 2 * 2])
        at += 8 + size + (size & 1)
    raise ValueError('no data chunk')


def main():
    source, target = sys.argv[1], sys.argv[2]
    width = int(sys.argv[3]) if len(sys.argv) > 3 else 900
    height = int(sys.argv[4]) if len(sys.argv) > 4 else 180
    rate, samples = Samples(source)
    pixels = [[(255, 255, 255)] * width for _ in range(height)]
    middle = height // 2
    per_column = len(samples) / width
    for second in range(1, int(len(samples) / rate) + 1):
        x = int(second * rate / per_column)
        if x < width:
            for y in range(height):
                pixels[y][x] = (200, 200, 200)
    for x in range(width):
        part = samples[int(x * per_column):max(int((x + 1) * per_column), int(x * per_column) + 1)]
        low, high = min(part), max(part)
        top = middle - int(high * (middle - 2) / 32768)
        bottom = middle - int(low * (middle - 2) / 32768)
        for y in range(max(top, 0), min(bottom, height - 1) + 1):
            pixels[y][x] = (20, 60, 150)
    for x in range(width):
        if pixels[middle][x] == (255, 255, 255):
            pixels[middle][x] = (160, 160, 160)
    with open(target, 'wb') as out:
        out.write(b'P6\n%d %d\n255\n' % (width, height))
        out.write(bytes(c for row in pixels for p in row for c in p))


main()
