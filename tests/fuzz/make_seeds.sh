#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into tests/fuzz/corpus/<target>/: small valid
# files of each kind and a few damaged ones. Run again only to start the seeds afresh; the
# inputs the fuzzers found worth keeping are added beside them by scripts/fuzz --keep.
# Needs build/velantar-settings (for a real settings file) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
corpus=corpus
rm -rf "$corpus"
mkdir -p "$corpus"

seed() { # seed TARGET NAME PYTHON-EXPRESSION-GIVING-BYTES
  mkdir -p "$corpus/$1"
  python3 -c "import sys,struct; sys.stdout.buffer.write($3)" > "$corpus/$1/$2"
}

# Answer frames: byte answer (checksum), word answer (low, high; no checksum), type answer.
byte_answer='lambda a,d: bytes([0x90+(a>>8), a&255, d, (0x90+(a>>8)+(a&255)+d)&255])'
word_answer='lambda a,v: bytes([0x98+(a>>8), a&255, v&255, (v>>8)&255])'
type_answer='lambda c: bytes([0xD0, 0x80, c, (0xD0+0x80+c)&255])'

seed fuzz_polling_parser cycle "bytes([0x45]) + (${word_answer})(307,300) + (${word_answer})(309,120) + (${word_answer})(311,1400) + (${word_answer})(335,1000) + (${byte_answer})(882,0x38) + (${word_answer})(947,65526)"
seed fuzz_polling_parser misaligned "bytes([0x07, 0x33]) + (${word_answer})(307,300) + bytes([0x12]) + (${byte_answer})(54,0x60)"
seed fuzz_polling_parser type-codes "bytes([0xC2]) + (${type_answer})(2) + (${type_answer})(7) + (${word_answer})(289,150)"
seed fuzz_polling_parser clock "bytes([0x81]) + b''.join((${byte_answer})(a,d) for a,d in [(377,0x80),(378,0x59),(379,0x59),(380,0x23),(381,0x31),(382,0x12),(383,0x99),(384,20)])"
seed fuzz_polling_parser calibration "bytes([0x11]) + b''.join((${word_answer})(1549+64*g+2*s, 100*g+s) for g in range(3) for s in range(3))"

seed fuzz_detection_parser four "bytes([0x20]) + (${type_answer})(2)"
seed fuzz_detection_parser two-split "bytes([0x01]) + (${type_answer})(1)"
seed fuzz_detection_parser noise-then-type "bytes([0x83]) + bytes([0x55,0x98,0x33]) + (${byte_answer})(54,1) + (${type_answer})(0)"
seed fuzz_detection_parser bad-code "bytes([0x40]) + (${type_answer})(9) + (${type_answer})(2)"

mkdir -p "$corpus/fuzz_settings_file"
../../build/velantar-settings "$corpus/fuzz_settings_file/defaults" >/dev/null
../../build/velantar-settings "$corpus/fuzz_settings_file/changed" 1=5 13=2 60=2 62=800 >/dev/null
head -c 60 "$corpus/fuzz_settings_file/changed" > "$corpus/fuzz_settings_file/short"
seed fuzz_settings_file version-22 "struct.pack('<89i', 22, *([7]*88))"
seed fuzz_settings_file out-of-range "struct.pack('<89i', 23, *([-1]*88))"
seed fuzz_settings_file partial-word "struct.pack('<3i', 23, 4, 0)[:10]"

seed fuzz_norm_file full "struct.pack('<72h', *([100,200,300,400,500,600,700,800,900]*8))"
seed fuzz_norm_file negative "struct.pack('<9h', *([-5]*9))"
seed fuzz_norm_file partial "struct.pack('<20h', *range(20))[:25]"

seed fuzz_calibration_gas_file full "struct.pack('<96h', *range(96))"
seed fuzz_calibration_gas_file short "struct.pack('<30h', *([-1]*30))"

seed fuzz_station_file plain "'ООО «Станция» тел. 123-45-67\r\n'.encode('cp1251')"
seed fuzz_station_file long "('Ж'*100 + '\r\nвторая').encode('cp1251')"
seed fuzz_station_file bare-cr "b'\r\r\nabc'"
seed fuzz_station_file empty "b''"

graph='lambda n, samples, texts: struct.pack("<h8xhBB", n-1, 2026, 12, 8) + b"".join(struct.pack("<6h3Bx", *s) for s in samples) + b"".join(t.encode("cp1251").ljust(15, b" ") + b"\0" for t in texts)'
seed fuzz_graph_file two "(${graph})(2, [(300,120,1400,100,1000,800,14,5,0),(310,125,1390,110,1001,820,14,5,1)], ['А123ВС','шасси'])"
seed fuzz_graph_file bad-time "(${graph})(2, [(1,2,3,4,5,6,14,5,0),(1,2,3,4,5,6,24,0,0)], ['',''])"
seed fuzz_graph_file huge-count "struct.pack('<h8xhBB', 32767, 2026, 1, 1) + bytes(40)"
seed fuzz_graph_file no-date "struct.pack('<h8xhBB', 0, 0, 0, 0) + bytes(48)"

seed fuzz_header_file nastr "'ГАЗОАНАЛИЗАТОР\r\nСТАНЦИЯ ТЕХОСМОТРА N1\r\nтел. 123-45-67\r\n'.encode('cp1251')"
seed fuzz_header_file long-line "('Ы'*200 + '\n' + 'z'*30).encode('cp1251')"
seed fuzz_header_file many-lines "b'\r\n'*100"

seed fuzz_info_text page "'Страница 1\r\nГазоанализатор\r\n\r\n'.encode('cp1251')"
seed fuzz_info_text undefined-byte "bytes([0x98, 0x0d, 0x41, 0x0a, 0xff])"

seed fuzz_report_text report "'                ПРОТОКОЛ\r\nCO,%    0,50  1,20\r\nCH,ppm  120   300\r\n'.encode('cp1251')"
seed fuzz_report_text mixed-ends "b'a\rb\nc\r\n\r\nd'"

mkdir -p "$corpus/fuzz_jpeg_page"
convert -size 8x8 gradient:red-blue -quality 80 "$corpus/fuzz_jpeg_page/rgb.jpg"
convert -size 8x8 gradient:white-black -colorspace Gray "$corpus/fuzz_jpeg_page/grey.jpg"
convert -size 16x8 gradient:red-blue -interlace JPEG "$corpus/fuzz_jpeg_page/progressive.jpg"
convert -size 8x8 gradient:red-blue -colorspace CMYK "$corpus/fuzz_jpeg_page/cmyk.jpg"
head -c 200 "$corpus/fuzz_jpeg_page/rgb.jpg" > "$corpus/fuzz_jpeg_page/truncated.jpg"
