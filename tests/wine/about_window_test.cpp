#include <windows.h>
#include <gtest/gtest.h>
#include <cstdio>
#include "widgets/font.h"

namespace {
LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    if (m == WM_MOUSEMOVE) printf("mousemove %d %d\n", (short)LOWORD(l), (short)HIWORD(l));
    if (m == WM_SETCURSOR) printf("setcursor hit %d msg %x\n", LOWORD(l), HIWORD(l));
    return DefWindowProcA(h, m, w, l);
}
TEST(Probe, Pointer)
{
    WNDCLASSA wc{}; wc.lpfnWndProc = Proc; wc.lpszClassName = "probe"; wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    HWND h = CreateWindowExA(0, "probe", "probe", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    for (int i = 0; i < 20; ++i) { while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg); Sleep(10); }
    printf("set pos\n"); fflush(stdout);
    SetCursorPos(200, 200);
    for (int i = 0; i < 3; ++i) { printf("pump %d\n", i); while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg); Sleep(10); }
    printf("set pos2\n"); fflush(stdout);
    SetCursorPos(210, 200);
    printf("immediately\n");
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    for (int i = 0; i < 3; ++i) { printf("pump %d\n", i); while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg); Sleep(10); }
    POINT p; GetCursorPos(&p); printf("pos %ld %ld\n", p.x, p.y);
    for (int px : {11, 24}) for (bool bold : {false, true}) {
        auto f = brevant::widgets::CreatePixelFont("MS Sans Serif", px, bold);
        for (const char* t : {"Brevant v", "1.03", "Copyright (c) 2025-2026 the Brevant project", "Brevant team", "Web Site", "including the warranties of merchantability and", "*******************************************", "Please mail problems, suggestions and questions"}) {
            SIZE s = brevant::widgets::MeasureText(f.get(), t); printf("%d %d %s: %ld x %ld\n", px, bold, t, s.cx, s.cy);
        }
        HDC dc = GetDC(nullptr); SelectObject(dc, f.get()); char face[64]; GetTextFaceA(dc, 64, face); ReleaseDC(nullptr, dc); printf("face %s\n", face);
    }
    fflush(stdout);
    DestroyWindow(h);
}
}
