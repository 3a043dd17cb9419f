// Cameras driven through the exports, with a sink of the test's own giving them a view.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "Camera.h"
#include "CameraList.h"
#include "EngineInsides.h"
#include "Quor2_5.h"

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

int __stdcall OwnerDraw(QuorBackdropDrawRequest*) { return 1; }

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

}  // namespace
