#include "ThemeScenes.h"

#include "DetMath.h"

namespace content {

namespace {

// The same scatter every build: a small linear congruential sequence.
struct Scatter {
    unsigned state;
    int Next(int range) {
        state = state * 1103515245u + 12345u;
        return int((state >> 16) % unsigned(range));
    }
};

void Night(Canvas& c, const MachineTheme& t, const RECT& r) {
    Scatter s{7};
    const int w = r.right - r.left, h = r.bottom - r.top;
    for (int i = 0; i < w * h / 900; ++i) {
        const int x = r.left + s.Next(w), y = r.top + s.Next(h);
        c.Fill(RECT{x, y, x + 2, y + 2}, RGB(255, 255, 230));
    }
    for (int burst = 0; burst < 4; ++burst) {  // fireworks, or far suns
        const int cx = r.left + s.Next(w), cy = r.top + s.Next(h / 2 + 1);
        for (int i = 0; i < 12; ++i) {
            const double a = i * 0.5235988;
            c.Line(POINT{cx, cy}, POINT{cx + int(22 * DetCos(a)), cy + int(22 * DetSin(a))}, t.trim, 1);
        }
    }
}

void Stripes(Canvas& c, const MachineTheme& t, const RECT& r) {
    for (int x = r.left, i = 0; x < r.right; x += 24, ++i)
        if (i % 2) c.Fill(RECT{x, r.top, x + 24 < r.right ? x + 24 : r.right, r.bottom}, Blend(t.skyTop, t.trim, 0.25));
}

void Waves(Canvas& c, const MachineTheme& t, const RECT& r) {
    const int h = r.bottom - r.top;
    for (int row = 0; row < 6; ++row) {
        const int y0 = r.top + h / 2 + row * h / 12;
        for (int x = r.left; x < r.right; x += 4) {
            const int y1 = y0 + int(6 * DetSin(x / 14.0 + row)), y2 = y0 + int(6 * DetSin((x + 4) / 14.0 + row));
            c.Line(POINT{x, y1}, POINT{x + 4, y2}, Blend(t.skyBottom, RGB(255, 255, 255), 0.5), 2);
        }
    }
}

void Hills(Canvas& c, const MachineTheme& t, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    for (int layer = 0; layer < 2; ++layer) {
        POINT p[8];
        for (int i = 0; i < 6; ++i)
            p[i] = POINT{r.left + i * w / 5, r.top + h / 2 + layer * h / 6 - ((i + layer) % 2 ? h / 6 : 0)};
        p[6] = POINT{r.right, r.bottom};
        p[7] = POINT{r.left, r.bottom};
        const COLORREF land = Blend(t.skyBottom, RGB(0, 0, 0), 0.3 + 0.2 * layer);
        c.Polygon(p, 8, land, land);
    }
}

void Rays(Canvas& c, const MachineTheme& t, const RECT& r) {
    const POINT centre{(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 3};
    const int reach = (r.right - r.left) + (r.bottom - r.top);
    for (int i = 0; i < 24; i += 2) {
        const double a0 = i * 0.2617994, a1 = (i + 1) * 0.2617994;
        const POINT p[3] = {centre, {centre.x + int(reach * DetCos(a0)), centre.y + int(reach * DetSin(a0))},
                            {centre.x + int(reach * DetCos(a1)), centre.y + int(reach * DetSin(a1))}};
        c.Polygon(p, 3, Blend(t.skyTop, t.trim, 0.2), Blend(t.skyTop, t.trim, 0.2));
    }
}

void Grid(Canvas& c, const MachineTheme& t, const RECT& r) {
    const COLORREF line = Blend(t.skyBottom, t.trim, 0.35);
    for (int x = r.left; x < r.right; x += 32) c.Line(POINT{x, r.top}, POINT{x, r.bottom}, line, 1);
    for (int y = r.top; y < r.bottom; y += 32) c.Line(POINT{r.left, y}, POINT{r.right, y}, line, 1);
}

}  // namespace

void PaintScene(Canvas& c, const MachineTheme& theme, const RECT& r) {
    c.Gradient(r, theme.skyTop, theme.skyBottom);
    const HRGN clip = CreateRectRgn(r.left, r.top, r.right, r.bottom);
    SelectClipRgn(c.Dc(), clip);
    switch (theme.scene) {
        case Scene::Night: Night(c, theme, r); break;
        case Scene::Stripes: Stripes(c, theme, r); break;
        case Scene::Waves: Waves(c, theme, r); break;
        case Scene::Hills: Hills(c, theme, r); break;
        case Scene::Rays: Rays(c, theme, r); break;
        case Scene::Grid: Grid(c, theme, r); break;
    }
    SelectClipRgn(c.Dc(), nullptr);
    DeleteObject(clip);
}

}  // namespace content
