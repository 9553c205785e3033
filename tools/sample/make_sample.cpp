// vexmorel-sample PATH: writes the sample Pic2 file the project ships: a
// valid header with a Japanese author and titles in code page 932, followed
// by a little image data.
#include <cstdio>
#include <string>

#include "header/conversions.h"
#include "header/pic2_header.h"
#include "platform/text/cp932.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vexmorel-sample PATH\n");
    return 2;
  }
  using F = HeaderField;
  Pic2Header h;
  auto text = [&](F f, const char* utf8) {
    EncodeTextField(h, cp932::FromUtf8(utf8), Span(f).offset, Span(f).width);
  };
  auto number = [&](F f, std::uint32_t v) { WriteBigEndian(h, Span(f).offset, Span(f).width, v); };
  h.bytes[0] = 'P', h.bytes[1] = '2', h.bytes[2] = 'D', h.bytes[3] = 'T';
  text(F::Author, "山田太郎");
  text(F::SubTitle, "夕焼け");
  text(F::MainTitle, "夕焼けの海辺");
  text(F::SaverName, "Vexmorelix  ver.0.1/Win32/Rumo");
  h.bytes[Span(F::Mode).offset] = 0x01;
  number(F::Number, 12);
  number(F::CreationTime, 951782400);  // 2000-02-29 09:00:00 shown in UTC+9
  number(F::BitsPerPixel, 8);
  number(F::AspectX, 1);
  number(F::AspectY, 1);
  number(F::ImageWidth, 640);
  number(F::ImageHeight, 400);

  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) return 1;
  std::fwrite(h.bytes.data(), 1, h.bytes.size(), f);
  for (int i = 0; i < 256; ++i) std::fputc(i, f);
  return std::fclose(f) == 0 ? 0 : 1;
}
