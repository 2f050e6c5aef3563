// measure_advance_widths OUTPUT: measures with GDI, under Wine, the advance width of every
// character of code page 1252 in "Arial" for each style and em height the setup can ask for,
// and writes them as the headless stand-in's table. Before writing, it checks that GDI measures
// the setup's own texts (and every beginning of them) as the sum of their characters' widths,
// which is what the stand-in assumes; a difference is printed and the program fails.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "driver/auto_update_hand_over.h"
#include "driver/product_identity.h"
#include "driver/program_information.h"

namespace {

// Style bits as the platform's FontStyle has them (underline changes no width).
constexpr unsigned kBold = 1;
constexpr unsigned kItalic = 2;

// The font sizes the setup loads: scaled by 96 / pixels per inch, or fixed.
struct FontUse {
  int points;
  bool scaled;
};
constexpr FontUse kFontUses[] = {
    {8, true},   {10, true}, {20, true},  {9, true},   // driver and wizard
    {22, false}, {8, false}, {12, false}, {9, false},  // intro band and credits card
};
constexpr int kPixelsPerInch[] = {96, 120, 144};

int ScaledPoints(int points, int pixelsPerInch) {
  const double scaled = points * 96.0 / pixelsPerInch;
  const double floor = static_cast<double>(static_cast<int>(scaled));
  const double fraction = scaled - floor;
  if (fraction > 0.5) return static_cast<int>(floor) + 1;
  if (fraction < 0.5) return static_cast<int>(floor);
  return static_cast<int>(floor) % 2 == 0 ? static_cast<int>(floor) : static_cast<int>(floor) + 1;
}

std::set<int> EmHeights() {
  std::set<int> heights;
  for (int pixelsPerInch : kPixelsPerInch) {
    for (const FontUse& use : kFontUses) {
      const int points = use.scaled ? ScaledPoints(use.points, pixelsPerInch) : use.points;
      heights.insert(MulDiv(points, pixelsPerInch, 72));
    }
  }
  return heights;
}

std::vector<std::string> SampleTexts() {
  std::vector<std::string> texts(std::begin(driver::kInformationParagraphs),
                                 std::end(driver::kInformationParagraphs));
  texts.push_back(driver::kHandOverMessage);
  texts.push_back(std::string(" ") + driver::ProductIdentity::introTitle + "          ");
  // Justified lines carry runs of blanks.
  std::string spaced;
  for (char c : std::string(driver::kInformationParagraphs[3])) {
    spaced += c;
    if (c == ' ') spaced += "  ";
  }
  texts.push_back(spaced);
  return texts;
}

int Extent(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

struct Row {
  unsigned style = 0;
  int emHeight = 0;
  int lineHeight = 0;
  int ascent = 0;
  int widths[256] = {};
};

// Measures one font; false when a text's width is not the sum of its characters' widths.
bool MeasureRow(HDC dc, unsigned style, int emHeight, Row& row) {
  HFONT font = CreateFontA(-emHeight, 0, 0, 0, (style & kBold) ? FW_BOLD : FW_NORMAL,
                           (style & kItalic) ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "Arial");
  if (font == nullptr) {
    std::fprintf(stderr, "no font for style %u, em %d\n", style, emHeight);
    return false;
  }
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  row.style = style;
  row.emHeight = emHeight;
  row.lineHeight = metrics.tmHeight;
  row.ascent = metrics.tmAscent;
  INT charWidths[256] = {};
  GetCharWidth32A(dc, 0, 255, charWidths);
  int differentCharWidths = 0;
  for (int code = 0; code < 256; ++code) {
    const std::string one(1, static_cast<char>(code));
    row.widths[code] = Extent(dc, one);
    if (row.widths[code] != charWidths[code]) ++differentCharWidths;
  }
  if (differentCharWidths != 0) {
    std::fprintf(stderr, "style %u em %d: %d characters differ from GetCharWidth32A\n", style,
                 emHeight, differentCharWidths);
  }

  bool additive = true;
  for (const std::string& text : SampleTexts()) {
    int sum = 0;
    for (std::size_t length = 1; length <= text.size(); ++length) {
      sum += row.widths[static_cast<unsigned char>(text[length - 1])];
      const int measured = Extent(dc, text.substr(0, length));
      if (measured != sum) {
        std::fprintf(stderr, "style %u em %d: \"%s\" measures %d, its characters sum to %d\n",
                     style, emHeight, text.substr(0, length).c_str(), measured, sum);
        additive = false;
        break;
      }
    }
  }
  SelectObject(dc, previous);
  DeleteObject(font);
  return additive;
}

void WriteRow(FILE* out, const Row& row) {
  std::fprintf(out, "{%u, %d, %d, %d, {", row.style, row.emHeight, row.lineHeight, row.ascent);
  for (int code = 0; code < 256; ++code) {
    if (code % 32 == 0) std::fprintf(out, "\n  ");
    std::fprintf(out, "%d%s", row.widths[code], code == 255 ? "" : ",");
  }
  std::fprintf(out, "}},\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: measure_advance_widths OUTPUT\n");
    return 2;
  }
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    std::fprintf(stderr, "no screen-compatible device context\n");
    return 1;
  }
  char face[LF_FACESIZE] = {};
  std::vector<Row> rows;
  bool additive = true;
  for (int emHeight : EmHeights()) {
    for (unsigned style : {0u, kBold, kItalic, kBold | kItalic}) {
      Row row;
      additive = MeasureRow(dc, style, emHeight, row) && additive;
      rows.push_back(row);
    }
  }
  {
    HFONT font =
        CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    HGDIOBJ previous = SelectObject(dc, font);
    GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteObject(font);
  }
  DeleteDC(dc);
  if (!additive) return 1;

  FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::fprintf(out,
               "// Advance widths in pixels of the characters 0 to 255 of code page 1252 in the\n"
               "// face \"Arial\" as GDI gives it (GetTextExtentPoint32A per character; GDI\n"
               "// reported the face \"%s\"). Written by scripts/font_metrics/\n"
               "// regenerate_advance_widths.sh; do not edit by hand.\n"
               "// {style bits (1 bold, 2 italic), em height, line height, ascent, {widths}}\n",
               face);
  for (const Row& row : rows)
    WriteRow(out, row);
  std::fclose(out);
  std::fprintf(stderr, "%zu fonts measured, face \"%s\"\n", rows.size(), face);
  return 0;
}
