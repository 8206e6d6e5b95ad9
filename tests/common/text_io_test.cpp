// The free-format list reader and the print-semantics line writer.
#include <gtest/gtest.h>

#include "common/list_reader.h"
#include "common/print_writer.h"
#include "support/test_support.h"

namespace acute {
namespace {

TEST(ListReader, FieldsEndAtCommasAndLineEnds) {
  ListReader r("\"Apple, raw\",12, 0.5 ,\r\n  7 8\n\"x\"\n,-3.6,");
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

TEST(ListReader, RefusesBadNumbersOverflowAndEarlyEnd) {
  ListReader bad("12,abc\n");
  bad.ReadInt16();
  EXPECT_THROW(bad.ReadDouble(), ListReadError);

  ListReader big("40000");
  EXPECT_THROW(big.ReadInt16(), ListReadError);

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

}  // namespace
}  // namespace acute
