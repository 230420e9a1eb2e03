#include <gtest/gtest.h>

#include "setup/job.h"

namespace {

TEST(SegmentPlan, ContiguousRangesThatAddUpToTheSize) {
    const uint32_t sizes[] = {0, 1, 39, 40, 41, 79, 4000, 1048577, 209715200, 0xFFFFFFFFu};
    for (uint32_t size : sizes) {
        SCOPED_TRACE(size);
        DownSegment table[SEGMENT_COUNT];
        PlanSegments(size, table);
        const uint32_t length = size / SEGMENT_COUNT;
        uint64_t sum = 0;
        for (int i = 0; i < SEGMENT_COUNT; ++i) {
            EXPECT_EQ(table[i].nIndex, i);
            EXPECT_EQ(table[i].nOffset, static_cast<uint32_t>(i) * length);
            EXPECT_EQ(table[i].nReceived, 0u);
            EXPECT_EQ(table[i].pBuffer, nullptr);
            if (i < SEGMENT_COUNT - 1) {
                EXPECT_EQ(table[i].nLength, length);
            }
            if (i > 0) {
                EXPECT_EQ(table[i].nOffset, table[i - 1].nOffset + table[i - 1].nLength);
            }
            sum += table[i].nLength;
        }
        EXPECT_EQ(sum, size);
        EXPECT_EQ(table[SEGMENT_COUNT - 1].nLength, size - 39 * length);
    }
}

TEST(SegmentPlan, RecordLayout) {
    EXPECT_EQ(offsetof(DownSegment, nIndex), 0u);
    EXPECT_EQ(offsetof(DownSegment, nOffset), 4u);
    EXPECT_EQ(offsetof(DownSegment, nLength), 8u);
    EXPECT_EQ(offsetof(DownSegment, nReceived), 12u);
    EXPECT_EQ(offsetof(DownSegment, pBuffer), 16u);
}

TEST(JobWindow, ReportsWithoutAWindowAreDropped) {
    SetJobWindow(nullptr);
    EXPECT_FALSE(PostJobMessage(WM_DOWN_PROGRESS, 0, 1));

    HWND wnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(wnd, nullptr);
    SetJobWindow(wnd);
    EXPECT_TRUE(PostJobMessage(WM_SEGMENT_DONE, 0, 39));
    MSG msg{};
    ASSERT_TRUE(::PeekMessageW(&msg, wnd, WM_SEGMENT_DONE, WM_SEGMENT_DONE, PM_REMOVE));
    EXPECT_EQ(msg.lParam, 39);
    SetJobWindow(nullptr);
    ::DestroyWindow(wnd);
}

TEST(Workers, StartedDetachedAndRun) {
    static HANDLE done;
    done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    struct Proc {
        static unsigned __stdcall Run(void* arg) {
            ::SetEvent(static_cast<HANDLE>(arg));
            return 1;
        }
    };
    ASSERT_TRUE(StartWorkerThread(&Proc::Run, done));
    EXPECT_EQ(::WaitForSingleObject(done, 30000), WAIT_OBJECT_0);
    ::CloseHandle(done);
}

}  // namespace
