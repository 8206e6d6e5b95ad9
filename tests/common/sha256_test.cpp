// SHA-256 against the published test vectors, across block boundaries and from a file.
#include "common/sha256.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace acute {
namespace {

TEST(Sha256, PublishedVectors) {
  EXPECT_EQ(Sha256Of(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Of("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // 56 bytes: the length no longer fits in the first block.
  EXPECT_EQ(Sha256Of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
  EXPECT_EQ(Sha256Of(std::string(1000000, 'a')),
            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Sha256, PartsAndFilesHashAsOneRunOfBytes) {
  const std::string text(200000, 'x');
  Sha256 parts;
  parts.Add(text.substr(0, 63));
  parts.Add(text.substr(63, 1));
  parts.Add(text.substr(64));
  const std::string whole = Sha256Of(text);
  EXPECT_EQ(parts.Hex(), whole);
  testing::ScratchFolder dir;
  testing::WriteText(dir / "bytes", text);
  EXPECT_EQ(Sha256OfFile(dir / "bytes"), whole);
  EXPECT_EQ(Sha256OfFile(dir / "missing"), std::nullopt);
}

}  // namespace
}  // namespace acute
