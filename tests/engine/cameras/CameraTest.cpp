// Cameras driven through the exports, with a sink of the test's own giving them a view.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"

#include "Camera.h"
#include "CameraList.h"
#include "EngineInsides.h"
#include "TempAssetFile.h"
#include "Quor2_5.h"
#include "SpriteRecords.h"

namespace {

const auto* g_engine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

int32_t LastError() { return GetLastQuorError(nullptr); }

Camera* Cam(uint32_t h) { return CameraList::Find(h); }

POINT Position(uint32_t c) {
    POINT p = {-1, -1};
    EXPECT_EQ(GetCameraPosition(c, &p), 1);
    return p;
}

RenderResult* Render(uint32_t c) {
    PaintingLock hold;
    Cam(c)->ForceNextRender();
    return Cam(c)->Render();
}

QuorBackdropDrawRequest g_lastDraw;
int g_draws = 0;
int __stdcall OwnerDraw(QuorBackdropDrawRequest* q) {
    g_lastDraw = *q;
    ++g_draws;
    return 1;
}

struct World {
    int32_t stage;
    uint32_t backdrop;
    uint32_t camera;
    TestSink sink;
    World(bool wrapping, int w, int h, int viewW, int viewH) : sink(viewW, viewH) {
        stage = CreateStage(0);
        HBRUSH brush = HBRUSH(GetStockObject(GRAY_BRUSH));
        backdrop = wrapping ? CreateBrushBackdrop(brush, w, h) : CreateOwnerDrawBackdrop(OwnerDraw, w, h, 0);
        EXPECT_EQ(SelectBackdrop(stage, backdrop), 1);
        camera = CreateCamera(stage, 0, 0, nullptr);
        PaintingLock hold;
        sink.Connect(0, Cam(camera));
    }
    ~World() {
        {
            PaintingLock hold;
            if (CameraList::Contains(Cam(camera))) sink.Disconnect(0);
        }
        DeleteStage(stage);
        DeleteUserBackdrop(backdrop);
    }
};

TEST(Cameras, MovesStayInsideAWorldThatDoesNotWrap) {
    World w(false, 640, 480, 200, 100);
    EXPECT_EQ(Cam(w.camera)->ViewWidth(), 200);
    EXPECT_EQ(MoveCamera(w.camera, -10, 0), 1);
    EXPECT_EQ(Position(w.camera).x, 0);
    POINT at = {440, 0};
    EXPECT_EQ(PlaceCamera(w.camera, &at), 1);
    EXPECT_EQ(MoveCamera(w.camera, 20, 0), 1);
    EXPECT_EQ(Position(w.camera).x, 440);
    POINT d = {-500, 1000};
    EXPECT_EQ(MoveCameraEx(w.camera, &d), 1);
    EXPECT_EQ(d.x, 0);
    EXPECT_EQ(d.y, 380);

    POINT outside = {441, 0};
    EXPECT_EQ(PlaceCamera(w.camera, &outside), 0);
    EXPECT_EQ(LastError(), ErrCameraOutsideWorld);
    EXPECT_EQ(Position(w.camera).x, 0) << "a refused place leaves the camera where it was";
}

TEST(Cameras, AViewWiderThanTheWorldStaysAtZero) {
    World w(false, 100, 480, 200, 100);
    EXPECT_EQ(MoveCamera(w.camera, 5, 0), 1);
    EXPECT_EQ(Position(w.camera).x, 0);
}

TEST(Cameras, MovesWrapAroundAWrappingWorld) {
    World w(true, 640, 480, 200, 100);
    EXPECT_EQ(MoveCamera(w.camera, -10, 0), 1);
    EXPECT_EQ(Position(w.camera).x, 630);
    EXPECT_EQ(MoveCamera(w.camera, 20, 0), 1);
    EXPECT_EQ(Position(w.camera).x, 10);
    POINT at = {630, 0};
    PlaceCamera(w.camera, &at);
    EXPECT_EQ(MoveCamera(w.camera, 5, 0), 1);
    EXPECT_EQ(Position(w.camera).x, 635) << "the view straddles the seam";
    for (int32_t x : {-640, -1280, 1280}) {
        POINT p = {x, 0};
        EXPECT_EQ(PlaceCamera(w.camera, &p), 1);
        EXPECT_EQ(Position(w.camera).x, 0) << x;
    }
    POINT p = {-10, -490};
    EXPECT_EQ(PlaceCamera(w.camera, &p), 1);
    EXPECT_EQ(Position(w.camera).x, 630);
    EXPECT_EQ(Position(w.camera).y, 470);
}

TEST(Cameras, RendersAcrossTheSeamInTiles) {
    World w(true, 640, 480, 200, 100);
    POINT at = {630, 0};
    PlaceCamera(w.camera, &at);
    RenderResult* r = Render(w.camera);
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->count, 2);
    EXPECT_EQ(r->size, 28u + 32u);
    EXPECT_EQ(r->rects[0].left, 0);
    EXPECT_EQ(r->rects[0].right, 10);
    EXPECT_EQ(r->rects[1].left, 10);
    EXPECT_EQ(r->rects[1].right, 200);
    EXPECT_EQ(Cam(w.camera)->RedrawnPercent(), 100);
}

TEST(Cameras, OnlyWhatChangedIsRedrawnUntilTheCameraMoves) {
    World w(true, 640, 480, 200, 100);
    RenderResult* r = Render(w.camera);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->count, 1) << "the first render draws the whole view";
    r = Render(w.camera);
    EXPECT_EQ(r->count, 0) << "nothing changed";
    MoveCamera(w.camera, 1, 0);
    r = Render(w.camera);
    ASSERT_EQ(r->count, 1);
    EXPECT_EQ(r->rects[0].right - r->rects[0].left, 200) << "after a move the whole view";
    EXPECT_EQ(FadeCamera(w.camera, 10), 1);
    EXPECT_EQ(Render(w.camera)->count, 1);
    EXPECT_EQ(FadeCamera(w.camera, 10), 1);
    EXPECT_EQ(Render(w.camera)->count, 0) << "the same level changes nothing";
    EXPECT_EQ(FadeCamera(w.camera, 256), 0);
    EXPECT_EQ(LastError(), ErrBadFadeLevel);
    EXPECT_EQ(FadeStage(w.stage, 40), 1);
    EXPECT_EQ(Render(w.camera)->count, 1) << "a stage fade redraws its cameras";
    EXPECT_EQ(FadeStage(w.stage, 40), 1);
    EXPECT_EQ(Render(w.camera)->count, 0);
}

TEST(Cameras, AStageWithoutBackdropIsAnUnboundedWorld) {
    int32_t stage = CreateStage(0);
    uint32_t camera = CreateCamera(stage, 5, 5, nullptr);
    TestSink sink(64, 32);
    {
        PaintingLock hold;
        sink.Connect(0, Cam(camera));
    }
    RenderResult* r = Render(camera);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->count, 1);
    EXPECT_EQ(MoveCamera(camera, 1000000, 1000000), 1);
    EXPECT_EQ(Position(camera).x, 1000005);
    {
        PaintingLock hold;
        sink.Disconnect(0);
    }
    DeleteStage(stage);
}

TEST(Cameras, EveryCameraOfAStageSeesEverySpriteChange) {
    World w(true, 640, 480, 200, 100);
    uint32_t second = CreateCamera(w.stage, 0, 0, nullptr);
    TestSink other(200, 100);
    {
        PaintingLock hold;
        other.Connect(0, Cam(second));
    }
    QuorOwnerDrawBlock block = {1, 10, 10, 0, 0, RGB(255, 0, 255), {}};
    SpriteCreateRecord r = CreationRecord(9, &block, w.stage, 20, 20);  // movable owner-draw
    int32_t sprite = CreateSprite(&r);
    ASSERT_NE(sprite, 0) << std::hex << LastError();
    Render(w.camera);
    Render(second);
    EXPECT_EQ(Render(w.camera)->count, 0);
    EXPECT_EQ(Render(second)->count, 0);

    int16_t step[4] = {30, 0, 0, 0};
    ASSERT_EQ(MoveSprite(sprite, step), 1);
    RenderResult* first = Render(w.camera);
    ASSERT_GE(first->count, 1) << "the first camera collects the move";
    RenderResult* later = Render(second);
    ASSERT_GE(later->count, 1) << "and the second one still sees it";
    int32_t left = 1000, right = -1000;
    for (int i = 0; i < later->count; ++i) {
        left = std::min<int32_t>(left, later->rects[i].left);
        right = std::max<int32_t>(right, later->rects[i].right);
    }
    EXPECT_LE(left, 20) << "where the sprite was";
    EXPECT_GE(right, 60) << "and where it is";
    {
        PaintingLock hold;
        other.Disconnect(0);
    }
    DeleteSprite(sprite);
}

TEST(Cameras, ThreeDimensionalViewAndPointQueries) {
    World w(false, 640, 480, 200, 100);
    EXPECT_EQ(Set3DFieldOfViewCamera(w.camera, 90.0), 1);
    EXPECT_NEAR(Cam(w.camera)->FocalLength(), 100.0, 1e-9);
    double horizon[2] = {10.0, -5.0};
    EXPECT_EQ(Set3DHorizonFromCenterCamera(w.camera, horizon), 1);
    EXPECT_DOUBLE_EQ(Cam(w.camera)->CentreX(), 110.0);
    EXPECT_DOUBLE_EQ(Cam(w.camera)->CentreY(), 45.0);

    POINT at = {100, 50};
    PlaceCamera(w.camera, &at);
    struct {
        ViewPointRecord r;
        int32_t more[7];
    } q = {};
    q.r.size = sizeof q;
    PaintingLock hold;
    EXPECT_EQ(Cam(w.camera)->MapViewPoint(199, 99, &q.r), 1);
    EXPECT_EQ(q.r.worldX, 299);
    EXPECT_EQ(q.r.worldY, 149);
    EXPECT_EQ(q.r.stage, w.stage);
    try {
        Cam(w.camera)->MapViewPoint(200, 99, &q.r);
        ADD_FAILURE() << "one column past the view";
    } catch (QUORERRS e) {
        EXPECT_EQ(e, ErrPointOutsideView);
    }
}

TEST(Cameras, DeadCamerasAreRefused) {
    int32_t stage = CreateStage(0);
    uint32_t a = CreateCamera(stage, 0, 0, nullptr);
    uint32_t b = CreateCamera(stage, 0, 0, nullptr);
    ASSERT_NE(a, 0u);
    DeleteCamera(a);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(MoveCamera(a, 1, 1), 0);
    EXPECT_EQ(LastError(), ErrBadCamera);
    EXPECT_EQ(ClearStage(stage), 1) << "clearing destroys the stage's cameras";
    EXPECT_EQ(FadeCamera(b, 1), 0);
    EXPECT_EQ(LastError(), ErrBadCamera);
    EXPECT_EQ(CreateCamera(99, 0, 0, nullptr), 0u);
    EXPECT_EQ(LastError(), ErrBadStage);
    EXPECT_EQ(MoveCamera(0x12345678u, 1, 1), 0);
    EXPECT_EQ(LastError(), ErrBadCamera);
    uint32_t c = CreateCamera(stage, 0, 0, nullptr);
    DeleteStage(stage);
    EXPECT_EQ(GetCameraPosition(c, nullptr), 0) << "a camera goes with its stage";
    EXPECT_EQ(LastError(), ErrBadCamera);
}

TEST(Cameras, OwnerDrawBackdropsGetTheRequestAndTheirData) {
    World w(false, 640, 480, 200, 100);
    uint32_t mine = CreateOwnerDrawBackdrop(OwnerDraw, 640, 480, 0xABCD);
    ASSERT_EQ(SelectBackdrop(w.stage, mine), 1);
    POINT at = {50, 60};
    PlaceCamera(w.camera, &at);
    g_draws = 0;
    Render(w.camera);
    EXPECT_EQ(g_draws, 1);
    EXPECT_EQ(g_lastDraw.sourceHandle, mine);
    EXPECT_EQ(g_lastDraw.userData, 0xABCDu);
    EXPECT_EQ(g_lastDraw.source.left, 50);
    EXPECT_EQ(g_lastDraw.source.top, 60);
    EXPECT_EQ(g_lastDraw.source.right, 250);
    EXPECT_EQ(g_lastDraw.dest.left, 0);
    EXPECT_EQ(g_lastDraw.dest.bottom, 100);
    EXPECT_NE(g_lastDraw.surface, nullptr);
    EXPECT_EQ(InvalidateOwnerDrawBackdropRect(mine, nullptr), 1);
    Render(w.camera);
    EXPECT_EQ(g_draws, 2) << "its cameras redraw the whole view";
    SelectBackdrop(w.stage, w.backdrop);
    DeleteUserBackdrop(mine);
}

// Pictures of one colour each, as the engine stores them (after the type word).
std::vector<uint8_t> Flat(uint16_t w, uint16_t h, uint16_t pixel) {
    const uint32_t row = (w * 2u + 3u) & ~3u;
    std::vector<uint8_t> v(16 + row * h);
    uint16_t header[4] = {0, 0, w, h};
    std::memcpy(v.data(), header, 8);
    uint32_t bytes = row * h;
    std::memcpy(v.data() + 12, &bytes, 4);
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) std::memcpy(&v[16 + y * row + x * 2], &pixel, 2);
    return v;
}

std::vector<uint8_t> Back(uint16_t flags, uint16_t columns, uint16_t cw, uint16_t ch, std::vector<uint16_t> images) {
    std::vector<uint16_t> words = {flags, columns, 1, cw, ch};
    words.insert(words.end(), images.begin(), images.end());
    std::vector<uint8_t> v(words.size() * 2);
    std::memcpy(v.data(), words.data(), v.size());
    return v;
}

uint16_t PixelOf(uint32_t camera, int x, int y) {
    const quor::ImageHeader* b = Cam(camera)->CurrentImage();
    const uint32_t row = (b->width * 2u + 3u) & ~3u;
    uint16_t p;
    std::memcpy(&p, reinterpret_cast<const uint8_t*>(b + 1) + y * row + x * 2, 2);
    return p;
}

TEST(Cameras, BackdropPicturesAreDrawnAndFaded) {
    const uint32_t BMAP = 0x50414D42u, BACK = 0x4B434142u;
    const uint16_t red = 0x7C00, green = 0x03E0, blue = 0x001F, white = 0x7FFF;
    AssetFileBuilder b;
    b.Add(BMAP, Flat(40, 30, red)).Add(BMAP, Flat(40, 30, green)).Add(BMAP, Flat(40, 30, blue));
    b.Add(BACK, Back(0x8002, 3, 40, 30, {1, 2, 3}));  // 4: strips, wrapping sideways
    b.Add(BMAP, Flat(100, 50, white));                 // 5
    b.Add(BACK, Back(0, 1, 100, 50, {5}));             // 6: static
    std::vector<uint8_t> image = b.Build();
    std::string path = WriteTempAssetFile(image, "vsl_camera");
    int32_t file = OpenAssetFile(path.c_str());
    ASSERT_NE(file, -1);

    World w(false, 640, 480, 100, 30);
    ASSERT_EQ(SelectBackdrop(w.stage, uint32_t(file) | 4), 1);
    POINT at = {30, 0};
    ASSERT_EQ(PlaceCamera(w.camera, &at), 1);
    Render(w.camera);
    EXPECT_EQ(PixelOf(w.camera, 0, 0), red) << "world x 30: the first strip";
    EXPECT_EQ(PixelOf(w.camera, 9, 29), red);
    EXPECT_EQ(PixelOf(w.camera, 10, 0), green) << "world x 40: the second strip";
    EXPECT_EQ(PixelOf(w.camera, 60, 5), blue);
    EXPECT_EQ(PixelOf(w.camera, 99, 5), red) << "world x 129: past the seam, the first strip again";

    ASSERT_EQ(SelectBackdrop(w.stage, uint32_t(file) | 6), 1);
    at = {0, 0};
    PlaceCamera(w.camera, &at);
    Render(w.camera);
    EXPECT_EQ(PixelOf(w.camera, 50, 20), white);
    EXPECT_EQ(FadeStagesBackdrop(w.stage, 255), 1);
    Render(w.camera);
    EXPECT_EQ(PixelOf(w.camera, 50, 20), 0) << "a backdrop faded all the way is black";
    EXPECT_EQ(FadeStagesBackdrop(w.stage, 0), 1);
    EXPECT_EQ(FadeStage(w.stage, 255), 1);
    Render(w.camera);
    EXPECT_EQ(PixelOf(w.camera, 50, 20), 0) << "so is a stage faded all the way";
    EXPECT_EQ(FadeStage(w.stage, 0), 1);
    EXPECT_EQ(FadeCamera(w.camera, 128), 1);
    Render(w.camera);
    uint16_t half = PixelOf(w.camera, 50, 20);
    EXPECT_GT(half, 0);
    EXPECT_LT(half & 0x1F, 31) << "a camera fade darkens";
    EXPECT_EQ(FadeCamera(w.camera, 0), 1);

    SelectBackdrop(w.stage, w.backdrop);
    CloseAssetFile(uint32_t(file));
    DeleteFileA(path.c_str());
}

// An opaque owner-draw sprite of one colour, drawn with GDI into its surface.
int32_t SolidSprite(int32_t stage, int16_t x, int16_t y, int32_t depth, COLORREF colour) {
    QuorOwnerDrawBlock block = {1, 20, 20, 0, 0, RGB(255, 0, 255), {}};
    SpriteCreateRecord r = CreationRecord(9, &block, stage, x, y, depth);
    int32_t sprite = CreateSprite(&r);
    if (!sprite || !block.surface.bitmap) return sprite;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, block.surface.bitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, 20, 20};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    UpdateOwnerDrawSprite(sprite);
    return sprite;
}

TEST(Cameras, SpritesAtDepthAndExactlyTheRectanglesThatChanged) {
    World w(true, 640, 480, 200, 100);  // a grey brush backdrop
    const uint16_t grey = 0x4210, red = 0x7C00, blue = 0x001F;
    int32_t back = SolidSprite(w.stage, 10, 10, 1, RGB(255, 0, 0));
    int32_t front = SolidSprite(w.stage, 20, 20, 2, RGB(0, 0, 255));
    ASSERT_NE(back, 0);
    ASSERT_NE(front, 0);
    Render(w.camera);
    EXPECT_EQ(PixelOf(w.camera, 5, 5), grey);
    EXPECT_EQ(PixelOf(w.camera, 15, 15), red);
    EXPECT_EQ(PixelOf(w.camera, 25, 25), blue) << "the deeper sprite is drawn in front";
    EXPECT_EQ(PixelOf(w.camera, 39, 39), blue);
    EXPECT_EQ(PixelOf(w.camera, 40, 40), grey);

    int16_t step[4] = {30, 0, 0, 0};
    ASSERT_EQ(MoveSprite(front, step), 1);
    RenderResult* r = Render(w.camera);
    ASSERT_EQ(r->count, 2) << "where the sprite was, and where it is";
    std::vector<std::vector<LONG>> rects;
    for (int i = 0; i < r->count; ++i)
        rects.push_back({r->rects[i].left, r->rects[i].top, r->rects[i].right, r->rects[i].bottom});
    std::sort(rects.begin(), rects.end());
    EXPECT_EQ(rects[0], (std::vector<LONG>{20, 20, 40, 40}));
    EXPECT_EQ(rects[1], (std::vector<LONG>{50, 20, 70, 40}));
    EXPECT_EQ(PixelOf(w.camera, 25, 25), red) << "the sprite behind shows again";
    EXPECT_EQ(PixelOf(w.camera, 35, 35), grey);
    EXPECT_EQ(PixelOf(w.camera, 55, 25), blue);
    DeleteSprite(back);
    DeleteSprite(front);
}

// The view's pixels, row by row.
std::vector<uint16_t> ViewPixels(uint32_t camera) {
    const quor::ImageHeader* b = Cam(camera)->CurrentImage();
    std::vector<uint16_t> v;
    for (int y = 0; y < b->height; ++y)
        for (int x = 0; x < b->width; ++x) v.push_back(PixelOf(camera, x, y));
    return v;
}

std::vector<std::vector<LONG>> SortedRects(const RenderResult* r) {
    std::vector<std::vector<LONG>> rects;
    for (int i = 0; i < r->count; ++i)
        rects.push_back({r->rects[i].left, r->rects[i].top, r->rects[i].right, r->rects[i].bottom});
    std::sort(rects.begin(), rects.end());
    return rects;
}

// However many rectangles changed and however much of the view they cover, the render
// reports exactly those rectangles; what it draws is what a redraw of the whole view draws.
TEST(Cameras, ManyOrLargeChangesAreReportedAsTheyAre) {
    World w(true, 640, 480, 400, 300);
    const COLORREF colours[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    std::vector<int32_t> sprites;
    for (int i = 0; i < 60; ++i) {  // 10 x 6 sprites of 20 x 20, 40 apart
        sprites.push_back(
            SolidSprite(w.stage, int16_t(10 + 40 * (i % 10)), int16_t(10 + 40 * (i / 10)), i, colours[i % 3]));
        ASSERT_NE(sprites.back(), 0);
    }
    Render(w.camera);
    // Each sprite moves by one pixel: its old and new places merge into one rectangle.
    std::vector<std::vector<LONG>> want;
    for (size_t i = 0; i < sprites.size(); ++i) {
        int16_t step[4] = {int16_t(i % 2 ? 1 : -1), int16_t(i % 3 ? 1 : 0), 0, 0};
        ASSERT_EQ(MoveSprite(sprites[i], step), 1);
        const LONG x = LONG(10 + 40 * (i % 10)), y = LONG(10 + 40 * (i / 10));
        want.push_back({std::min<LONG>(x, x + step[0]), y, std::max<LONG>(x, x + step[0]) + 20, y + 20 + step[1]});
    }
    std::sort(want.begin(), want.end());
    RenderResult* r = Render(w.camera);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(SortedRects(r), want) << "60 separate rectangles, not the whole view";
    EXPECT_EQ(r->size, 28u + 16u * 60u);
    std::vector<uint16_t> drawn = ViewPixels(w.camera);
    Cam(w.camera)->InvalidateWholeView();
    Render(w.camera);
    EXPECT_EQ(drawn, ViewPixels(w.camera)) << "the same pixels as a full redraw";

    // Two changes that cover 90% of the view: two rectangles, the list not whole.
    RECT top = {0, 0, 400, 150}, bottom = {0, 160, 400, 280};
    Cam(w.camera)->Invalidate(&top, false);
    Cam(w.camera)->Invalidate(&bottom, false);
    r = Render(w.camera);
    EXPECT_EQ(SortedRects(r), (std::vector<std::vector<LONG>>{{0, 0, 400, 150}, {0, 160, 400, 280}}));
    EXPECT_EQ(Cam(w.camera)->RedrawnPercent(), (400 * 270) * 100 / (400 * 300));
    EXPECT_EQ(drawn, ViewPixels(w.camera));
    // And a change of the whole view is one rectangle.
    RECT all = {0, 0, 640, 480};
    Cam(w.camera)->Invalidate(&all, false);
    r = Render(w.camera);
    EXPECT_EQ(SortedRects(r), (std::vector<std::vector<LONG>>{{0, 0, 400, 300}}));
    for (int32_t s : sprites) DeleteSprite(s);
}

}  // namespace
