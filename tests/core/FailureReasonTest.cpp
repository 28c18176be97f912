// The reason of a failure as the user reads it: Japanese first, the system's words in brackets.

#include <gtest/gtest.h>

#include "core/FailureReason.h"

namespace {

struct ReasonCase {
    const char* system;
    const char* shown;
};

const ReasonCase kReasons[] = {
    {"Permission denied", "アクセスが拒否されました（Permission denied）"},
    {"No such file or directory",
     "ファイルまたはフォルダが見つかりません（No such file or directory）"},
    {"No space left on device", "ディスクの空き容量が足りません（No space left on device）"},
    {"Read-only file system", "読み取り専用の場所には書き込めません（Read-only file system）"},
    {"Not a directory", "パスの途中にフォルダではないものがあります（Not a directory）"},
    // Qt's own words for a folder opened as a file.
    {"file to open is a directory", "ファイルではなくフォルダです（file to open is a directory）"},
    {"  Disk quota exceeded\n", "ディスクの使用量の上限を超えました（Disk quota exceeded）"},
    {"Unknown error", "原因のわからないエラーです（Unknown error）"},
    {"Remote I/O error", "システムがエラーを報告しました（Remote I/O error）"},
    // A system that already speaks Japanese is shown as it is.
    {"許可がありません", "許可がありません"},
    {"", ""},
    {"  ", ""},
};

class FailureReasonTest : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(FailureReasonTest, Describe) {
    EXPECT_EQ(FailureReason::Describe(GetParam().system), GetParam().shown) << GetParam().system;
}

INSTANTIATE_TEST_SUITE_P(Table, FailureReasonTest, ::testing::ValuesIn(kReasons));

}  // namespace
