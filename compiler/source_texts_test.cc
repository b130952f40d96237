#include "compiler/source_texts.h"

#include <gtest/gtest.h>

#include "test/temp_dir.h"

namespace scengen {
namespace {

using testing::TempDir;
using testing::write_file;

TEST(FileSourceTexts, ReadsAndDeletesTheTwoFiles) {
  TempDir dir;
  write_file(dir / "linea.txt", "a,\r\nb\r\n");
  FileSourceTexts texts(dir / "linea.txt", dir / "treno-.txt");
  EXPECT_TRUE(texts.exists(SourceKind::kLineText));
  EXPECT_FALSE(texts.exists(SourceKind::kTrainText));
  std::string contents, err;
  ASSERT_TRUE(texts.read(SourceKind::kLineText, &contents, &err)) << err;
  EXPECT_EQ(contents, "a,\r\nb\r\n");
  EXPECT_EQ(texts.name(SourceKind::kLineText), (dir / "linea.txt").string());
  texts.remove(SourceKind::kLineText);
  texts.remove(SourceKind::kTrainText);  // missing: nothing happens
  EXPECT_FALSE(texts.exists(SourceKind::kLineText));
}

TEST(FileSourceTexts, WhatCannotBeReadSaysWhy) {
  TempDir dir;
  std::filesystem::create_directory(dir / "treno-.txt");
  FileSourceTexts texts(dir / "linea.txt", dir / "treno-.txt");
  std::string contents, err;
  EXPECT_FALSE(texts.read(SourceKind::kLineText, &contents, &err));
  EXPECT_EQ(err, "No such file or directory");
  EXPECT_FALSE(texts.read(SourceKind::kTrainText, &contents, &err));
  EXPECT_EQ(err, "Is a directory");
}

}  // namespace
}  // namespace scengen
