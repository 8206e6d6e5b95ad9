// Little-endian records and file-name rules.
#include <gtest/gtest.h>

#include "common/binary_records.h"
#include "common/file_names.h"
#include "support/test_support.h"

namespace acute {
namespace {

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
