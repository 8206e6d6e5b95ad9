// The free-format list reader, the print-semantics line writer, little-endian records and
// file-name rules.
#include <gtest/gtest.h>

#include "common/binary_records.h"
#include "common/file_names.h"
#include "common/list_reader.h"
#include "common/print_writer.h"
#include "support/test_support.h"

namespace acute {
namespace {

TEST(ListReader, FieldsEndAtCommasAndLineEnds) {
  ListReader r("\"Apple, raw\",12, 0.5 ,\r\n  7 8\n\"x\"\n,-4,");
  EXPECT_EQ(r.ReadString(), "Apple, raw");
  EXPECT_EQ(r.ReadInt16(), 12);
  EXPECT_FLOAT_EQ(r.ReadSingle(), 0.5f);
  EXPECT_EQ(r.ReadInt32(), 7);  // a trailing comma does not open an empty field
  EXPECT_EQ(r.line(), 2);
  EXPECT_EQ(r.ReadInt32(), 8);  // a number also ends at blanks
  EXPECT_EQ(r.ReadString(), "x");
  EXPECT_EQ(r.ReadInt16(), 0);  // an empty field at the start of a line
  EXPECT_EQ(r.ReadInt16(), -4);
  EXPECT_TRUE(r.AtEnd());
}

TEST(ListReader, WholeLinesAndUnquotedStrings) {
  ListReader r("a = 3.6\n  raw line, with \"quotes\"  \nbare text , next\n");
  EXPECT_EQ(r.ReadLine(), "a = 3.6");
  EXPECT_EQ(r.ReadLine(), "  raw line, with \"quotes\"  ");
  EXPECT_EQ(r.ReadString(), "bare text");
  EXPECT_EQ(r.ReadString(), "next");
  EXPECT_TRUE(r.AtEnd());
}

TEST(ListReader, RefusesAReadPastTheEnd) {
  ListReader shortfile("1,2\n\n  \n");
  shortfile.ReadInt16();
  shortfile.ReadInt16();
  EXPECT_TRUE(shortfile.AtEnd());
  try {
    shortfile.ReadInt16();
    FAIL() << "expected an error";
  } catch (const ListReadError& e) {
    EXPECT_GE(e.line(), 2);
  }
}

// Every number is finite, an integer field takes whole numbers of its type only, and a
// single-precision field numbers that fit a float; the refusal names the value's line.
TEST(ListReader, RefusesNonFiniteFractionalAndOutOfRangeNumbers) {
  const struct {
    const char* text;
    int kind;  // 0 double, 1 single, 2 int16, 3 int32
  } refused[] = {{"nan", 0},    {"inf", 0}, {"-Infinity", 0}, {"1e400", 0},
                 {"3e39", 1},   {"2.5", 2}, {"1e10", 3},      {"2147483648", 3},
                 {"-32769", 2}, {"NaN", 2}, {"abc", 0},       {"40000", 2}};
  for (const auto& c : refused) {
    ListReader r(std::string("1\n\n") + c.text + ",\n");
    r.ReadInt16();
    try {
      if (c.kind == 0) r.ReadDouble();
      if (c.kind == 1) r.ReadSingle();
      if (c.kind == 2) r.ReadInt16();
      if (c.kind == 3) r.ReadInt32();
      ADD_FAILURE() << c.text << " was read";
    } catch (const ListReadError& e) {
      EXPECT_EQ(e.line(), 3) << c.text;
      EXPECT_NE(std::string(e.what()).find(c.text), std::string::npos) << e.what();
    }
  }
  double v = 0;
  EXPECT_FALSE(ParseNumber("nan", v));
  EXPECT_FALSE(ParseNumber(" inf ", v));
  ListReader fits("3e38, 32767, -2147483648, 1e10");
  EXPECT_FLOAT_EQ(fits.ReadSingle(), 3e38f);
  EXPECT_EQ(fits.ReadInt16(), 32767);
  EXPECT_EQ(fits.ReadInt32(), -2147483647 - 1);
  EXPECT_DOUBLE_EQ(fits.ReadDouble(), 1e10);
}

// Any text, commas, quotes, line ends and outer blanks included, reads back whole from the
// field that QuotedText makes of it, as a list field and as a whole line.
TEST(ListReader, QuotedTextsReadBackWhole) {
  const std::string texts[] = {"plain name", "data, x/", "my,rep",       "say \"hi\"",
                               "\"",         " padded ", "two\r\nlines", ""};
  for (const std::string& t : texts) {
    ListReader field(QuotedText(t) + ",7\r\n" + QuotedLine(t) + "\r\n8\r\n");
    EXPECT_EQ(field.ReadText(), t);
    EXPECT_EQ(field.ReadInt16(), 7);
    EXPECT_EQ(field.ReadTextLine(), t);
    EXPECT_EQ(field.ReadInt16(), 8);
    EXPECT_TRUE(field.AtEnd());
  }
  EXPECT_EQ(QuotedText("plain name"), "plain name");
  EXPECT_EQ(QuotedText("a \"b\", c"), "\"a \"\"b\"\", c\"");
  EXPECT_EQ(QuotedLine("data, x/"), "data, x/");  // a whole line may hold commas
  EXPECT_EQ(QuotedLine(" \"q\""), "\" \"\"q\"\"\"");
  // Unquoted forms read as before: a list field ends at its comma, a line is taken whole.
  ListReader bare("data, x\r\ndata, x\r\n");
  EXPECT_EQ(bare.ReadText(), "data");
  EXPECT_EQ(bare.ReadText(), "x");
  EXPECT_EQ(bare.ReadTextLine(), "data, x");
  // Line numbers count the line ends inside a quoted text.
  ListReader lines("\"a\nb\nc\"\nzz\n");
  lines.ReadText();
  try {
    lines.ReadInt16();
    ADD_FAILURE();
  } catch (const ListReadError& e) {
    EXPECT_EQ(e.line(), 4);
  }
}

TEST(PrintWriter, TabsZonesAndLineEnds) {
  PrintWriter w;
  w.Text("ab").Tab(5).Text("x").EndLine();
  w.Text("abcdef").Tab(3).Text("y").EndLine();  // past the column: next line
  w.Num(1.5f).Text(";").Num(-2).Zone().Text("z").EndLine();
  w.Zone().Text("q").EndLine();
  EXPECT_EQ(w.Contents(),
            "ab  x\r\n"
            "abcdef\r\n  y\r\n"
            " 1.5 ;-2 "
            "     z\r\n"
            "              q\r\n");
  EXPECT_EQ(w.Lines(), 5);
}

TEST(PrintWriter, AtomicFileWrite) {
  testing::ScratchFolder dir;
  ASSERT_TRUE(WriteFileAtomically(dir / "out.txt", "hello\r\n"));
  EXPECT_EQ(testing::ReadText(dir / "out.txt"), "hello\r\n");
  EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "out.txt", "x"));
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(BinaryRecords, RoundTripIsLittleEndian) {
  ByteWriter w;
  w.I2(-2);
  w.I4(0x01020304);
  w.R4(1.5f);
  w.Char('7');
  w.Text("AB", 4);
  ASSERT_EQ(w.Size(), 15u);
  EXPECT_EQ(w.Bytes()[0], 0xFE);
  EXPECT_EQ(w.Bytes()[2], 0x04);
  EXPECT_EQ(w.Bytes()[5], 0x01);

  ByteReader r(w.Bytes());
  EXPECT_EQ(r.I2(), -2);
  EXPECT_EQ(r.I4(), 0x01020304);
  EXPECT_EQ(r.R4(), 1.5f);
  EXPECT_EQ(r.Char(), '7');
  EXPECT_EQ(r.Text(4), "AB  ");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_THROW(r.I2(), ShortRecordError);
}

TEST(FileNames, FoldersAndCaseInsensitiveLookup) {
  EXPECT_TRUE(HasFolder("a/b.R10"));
  EXPECT_TRUE(HasFolder("c:x.R10"));
  EXPECT_TRUE(HasFolder("a\\b"));
  EXPECT_FALSE(HasFolder("plain.R10"));
  EXPECT_EQ(FolderPart("/x/y/z.R10"), "/x/y/");
  EXPECT_EQ(NamePart("c:\\x\\z.R10"), "z.R10");
  EXPECT_EQ(WithSeparator("/data"), "/data/");
  EXPECT_EQ(WithSeparator("/data/"), "/data/");

  testing::ScratchFolder dir;
  testing::WriteText(dir / "Sample.r10", "x");
  auto found = FindFile(dir / "SAMPLE.R10");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->filename(), "Sample.r10");
  EXPECT_FALSE(FindFile(dir / "other.R10").has_value());
  EXPECT_EQ(Resolve(dir.path(), "sub\\f.txt"), dir.path() / "sub/f.txt");
}

}  // namespace
}  // namespace acute
