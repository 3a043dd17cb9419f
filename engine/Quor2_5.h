// The engine library's interface for its host: stages, cameras, sprites, TV windows,
// video mixers and asset files behind handles, and a frame thread that animates them.
// Every export reports failure through its result (0, a null handle or -1) and the
// last-error code that GetLastQuorError returns.
#pragma once
#include <windows.h>
#include <cstdint>

#include "QuorErrors.h"

#ifdef QUOR_BUILDING_ENGINE
#define QUORAPI extern "C"
#else
#define QUORAPI extern "C" __declspec(dllimport)
#endif

typedef void(__stdcall* QuorFrameCallback)(int32_t elapsedFrames);
typedef void(__stdcall* QuorSoundCallback)(int32_t code, void* data, int32_t reserved);

// A file handle is its slot shifted left by 24; this one stands for every open file.
const uint32_t QUOR_ALL_FILES = 0xFFFF0001u;

struct QuorAssetInfo {
    uint32_t state;  // 0 not loaded, 1 load queued, 3 loaded
    uint32_t info;
    uint32_t type;
    uint16_t loadCount;
    uint16_t lockCount;
    uint32_t dataSize;
    uint32_t reserved[4];
};

// Engine
QUORAPI int __stdcall SetFrameRate(int32_t rate);
QUORAPI int __stdcall SetFrameCallback(QuorFrameCallback routine);
QUORAPI int __stdcall RegisterSoundCallback(QuorSoundCallback routine);
QUORAPI int32_t __stdcall GetLastQuorError(int32_t* detail);
QUORAPI DWORD __stdcall GetThreadSyncToken(int32_t token);
QUORAPI BOOL __stdcall ReleaseThreadSyncToken(int32_t token);
QUORAPI int32_t __cdecl reportFrameRate();
QUORAPI int __stdcall RegisterDecoder(uint32_t kind, uint32_t slot, const char* library);
QUORAPI void __cdecl DirectActor(uint32_t, void*, int32_t);
QUORAPI void __stdcall ClearScriptQueue(uint32_t, uint32_t);
QUORAPI int __cdecl CameraFollowsActor(uint32_t, uint32_t, RECT*);

// Asset files
QUORAPI int32_t __stdcall OpenAssetFile(const char* path);
QUORAPI void __stdcall CloseAssetFile(uint32_t fileHandle);
QUORAPI uint32_t __stdcall GetNumberOfAssets(uint32_t fileHandle);
QUORAPI int __stdcall GetAssetFileUserInfo(uint32_t fileHandle, void* buffer, uint32_t* size);
QUORAPI int __stdcall LoadAsset(uint32_t asset, uint32_t background);
QUORAPI int __stdcall UnloadAsset(uint32_t asset);
QUORAPI void* __stdcall DereferenceAndLockAsset(uint32_t asset);
QUORAPI int __stdcall ReleaseAsset(uint32_t asset);
QUORAPI int __stdcall GetAssetInfo(uint32_t asset, QuorAssetInfo* record);
QUORAPI uint32_t __stdcall GetAssetMemoryUsage(uint32_t fileHandle);
QUORAPI int __stdcall FlushUnlockedAssets(uint32_t fileHandle);
QUORAPI int __stdcall OpenAutostreamAsset(uint32_t asset, uint32_t);
QUORAPI int __stdcall AdvanceAutostreamTail(uint32_t asset, uint32_t);
QUORAPI int __stdcall ForceLoadAutostream(uint32_t asset, uint32_t);
QUORAPI int __stdcall CloseAutostreamAsset(uint32_t asset);

// Services for drawing into engine surfaces with the engine's blitter
// (GetServiceAddress(number), 0-11; null for any other number). A surface is passed by
// the address of its public record; rectangles are left, top, right, bottom.
struct QuorSurfaceRecord {
    uint32_t format;  // low 16 bits: 0 = 8 bits, 2 = 15 bits, 3 = 16 bits (5-6-5), 4 = 24 bits
    HBITMAP bitmap;
    BITMAPINFO* info;
    void* pixels;
    uint32_t rowBytes;
    int32_t left, top, right, bottom;
    uint32_t flags;  // 0x8000 for the host's own bitmaps
};

enum QuorService : int32_t {
    QuorServiceScreenFormat = 0,   // (buffer, length) -> bytes copied of the 32-byte descriptor
    QuorServiceBlit = 1,           // (src, src RECT, dst, dst RECT, key, flags) -> 1
    QuorServiceFill = 2,           // (surface, RECT, COLORREF) -> 1
    QuorServiceNewSurface = 3,     // (width, height) -> surface or null
    QuorServiceSurfaceFromDib = 4, // (surface record) -> surface or null
    QuorServiceDestroySurface = 5, // (surface) -> non-zero when destroyed
    QuorServiceFade = 6,           // (surface, RECT, level, fade table or null) -> 1
    QuorServiceFadeAndCopy = 7,    // (src, src RECT, dst, dst RECT, level, fade table) -> 1
    QuorServiceTranslateColour = 9,// (COLORREF) -> pixel value
    QuorServiceDecode = 11,        // (dst pixels, dst byte count, BMAP record) -> 0 or non-zero
};

// Flags of the blit service: mirrors, skip the colour key (overlay), scale.
const uint32_t QUOR_BLIT_MIRROR_H = 1, QUOR_BLIT_MIRROR_V = 2, QUOR_BLIT_SKIP_KEY = 4, QUOR_BLIT_SCALE = 8;

typedef int(__stdcall* QuorScreenFormatService)(void* buffer, int32_t length);
typedef int(__stdcall* QuorBlitService)(QuorSurfaceRecord* src, const RECT* srcRect,
                                        QuorSurfaceRecord* dst, const RECT* dstRect,
                                        uint32_t key, uint32_t flags);
typedef int(__stdcall* QuorFillService)(QuorSurfaceRecord* surface, const RECT* rect, COLORREF colour);
typedef QuorSurfaceRecord*(__stdcall* QuorNewSurfaceService)(int32_t width, int32_t height);
typedef QuorSurfaceRecord*(__stdcall* QuorSurfaceFromDibService)(QuorSurfaceRecord* record);
typedef int(__stdcall* QuorDestroySurfaceService)(QuorSurfaceRecord* surface);
typedef int(__stdcall* QuorFadeService)(QuorSurfaceRecord* surface, const RECT* rect, int32_t level,
                                        const uint32_t* fadeTable);
typedef int(__stdcall* QuorFadeAndCopyService)(QuorSurfaceRecord* src, const RECT* srcRect,
                                               QuorSurfaceRecord* dst, const RECT* dstRect,
                                               int32_t level, const uint32_t* fadeTable);
typedef uint32_t(__stdcall* QuorTranslateColourService)(COLORREF colour);
typedef int(__stdcall* QuorDecodeService)(void* dstPixels, uint32_t dstBytes, const void* record);

QUORAPI void* __cdecl GetServiceAddress(int32_t number);

// Stages and backdrops. A user backdrop is 0xFF000000 plus its slot (64 slots).
struct QuorBackdropDrawRequest {
    RECT source;       // world coordinates
    void* surface;     // the camera's buffer (a BMAP picture record)
    RECT dest;         // in the buffer
    int32_t frameCounter;
    int32_t state[2];
    int32_t redrawnPercent;
    uintptr_t sourceHandle;  // owner-draw backdrops
    uintptr_t userData;      // owner-draw backdrops
};
typedef int(__stdcall* QuorOwnerDrawRoutine)(QuorBackdropDrawRequest* request);
typedef void(__stdcall* QuorMovieRoutine)(uint32_t backdrop, int32_t state);

QUORAPI int32_t __stdcall CreateStage(int32_t creationWord);
QUORAPI int __stdcall ClearStage(int32_t stage);
QUORAPI int __stdcall FadeStage(int32_t stage, int32_t level);
QUORAPI int __stdcall FadeStagesBackdrop(int32_t stage, int32_t level);
QUORAPI void __stdcall DeleteStage(int32_t stage);
QUORAPI int __stdcall SelectBackdrop(int32_t stage, uint32_t source);
QUORAPI uint32_t __stdcall CreateBrushBackdrop(HBRUSH brush, int32_t width, int32_t height);
QUORAPI uint32_t __stdcall CreateOwnerDrawBackdrop(QuorOwnerDrawRoutine routine, int32_t width,
                                                   int32_t height, uintptr_t userData);
QUORAPI int __stdcall InvalidateOwnerDrawBackdropRect(uint32_t backdrop, const RECT* rect);
QUORAPI int __stdcall DeleteUserBackdrop(uint32_t backdrop);
QUORAPI int __cdecl PlayBackdropMovie(int32_t stage, QuorMovieRoutine routine);
QUORAPI int __stdcall PauseBackdropMovie(int32_t stage);
QUORAPI int __stdcall ResumeBackdropMovie(int32_t stage);
QUORAPI int __stdcall StopBackdropMovie(int32_t stage);

// Colour translate tables (opaque), the engine palette and pixel effects.
typedef struct QuorColorXlateTable* HQUORXLATE;
typedef struct QuorEffect* HQUOREFFECT;
QUORAPI HQUORXLATE __stdcall CreateColorXlateTable(int32_t count, const void* colours);
QUORAPI HQUORXLATE __stdcall LoadColorXlateTable(uint32_t asset);
QUORAPI int __stdcall ModifyColorXlateTable(HQUORXLATE table, int32_t first, int32_t end, const void* colours);
QUORAPI int __stdcall DeleteColorXlateTable(HQUORXLATE table);
QUORAPI int __stdcall LoadCurrentPalette(int32_t count, uint32_t asset);
QUORAPI int __stdcall CreateCurrentPalette(int32_t count, const void* colours);
// An effect record: a reference count, then red, green and blue tables of 256 levels by
// 32 entries (results shifted by 10, 5 and 0, in both 16-bit halves).
QUORAPI HQUOREFFECT __cdecl BlankByteEffect();
QUORAPI HQUOREFFECT __cdecl FadeToColorEffect(COLORREF colour);
QUORAPI HQUOREFFECT __cdecl LightSourceEffect(COLORREF colour, float gain, float base);
QUORAPI void __cdecl LockEffect(HQUOREFFECT effect);
QUORAPI void __cdecl ReleaseEffect(HQUOREFFECT effect);

// Cameras: a camera handle is the camera's address.
QUORAPI uintptr_t __stdcall CreateCamera(int32_t stage, int32_t x, int32_t y, const RECT* cacheRect);
QUORAPI int __stdcall MoveCamera(uintptr_t camera, int32_t dx, int32_t dy);
QUORAPI int __stdcall MoveCameraEx(uintptr_t camera, POINT* delta);
QUORAPI int __stdcall PlaceCamera(uintptr_t camera, const POINT* at);
QUORAPI int __stdcall GetCameraPosition(uintptr_t camera, POINT* at);
QUORAPI int __stdcall ChangeCameraCacheRect(uintptr_t camera, const RECT* rect);
QUORAPI int __stdcall SampleAndHoldCamera(uintptr_t camera, int32_t hold);
QUORAPI int __stdcall FadeCamera(uintptr_t camera, int32_t level);
QUORAPI int __stdcall Set3DFieldOfViewCamera(uintptr_t camera, double degrees);
QUORAPI int __stdcall Set3DHorizonFromCenterCamera(uintptr_t camera, const double* offsets);
QUORAPI void __stdcall DeleteCamera(uintptr_t camera);

// Sprites. The host fills the first 36 bytes of the creation record; the engine keeps its
// own copy current and hands it back through ExamineSprite.
#pragma pack(push, 4)
struct SpriteCreateRecord {
    uint32_t type;         // 0-11: bit 0 movable, bit 1 camera parent, bits 2-3 image/text/owner-draw
    uintptr_t extra;       // address of the kind's block
    int16_t x, y;          // position, world pixels
    int32_t depth;         // larger depths are drawn in front
    uint32_t scaleNumerator;
    uint32_t scaleDenominator;
    uint32_t flags;        // QuorSprite* flag bits
    uintptr_t colorTable;  // HQUORXLATE or 0
    uintptr_t parent;      // stage handle, or camera handle with type bit 1
    RECT bounds;           // the engine's fields from here on
    uintptr_t image;
    RECT shadowBounds;
    uintptr_t effect;
    uintptr_t shadowImage;
    double transformA[4];  // 2D: a, b, c, d; 3D: rotation w, x, y, z
    double transformB[4];  // 2D: the inverse; 3D: position x, y, z
    uint8_t transformWork[68];
    uintptr_t block3D;
    uint32_t singular;
    uint32_t reserved;
    RECT clip;             // in force while QuorSpriteClipped is set
};
#pragma pack(pop)
// The 64-bit build holds addresses in full: its records are its own, in memory only.
static_assert(sizeof(void*) != 4 || sizeof(SpriteCreateRecord) == 240, "sprite creation record layout");

enum QuorSpriteFlags : uint32_t {
    QuorSpriteMirrorH = 0x1,
    QuorSpriteMirrorV = 0x2,
    QuorSpriteClipped = 0x800,
    QuorSpriteEffect = 0x1000,
    QuorSprite2D = 0x2000,
    QuorSprite3D = 0x4000,
    QuorSpriteHidden = 0x8000,
    QuorSpriteAlive = 0x10000,
};

// Notification targets of SetSpriteCallback (mode 1 routine, 2 window, 3 and 4 event).
typedef void(__stdcall* QuorSpriteRoutine)(int32_t event, int32_t sprite);

QUORAPI int32_t __stdcall CreateSprite(const SpriteCreateRecord* record);
QUORAPI int __stdcall MoveSprite(int32_t sprite, const int16_t* deltas);
QUORAPI int __stdcall PlaceSprite(int32_t sprite, const void* position);
QUORAPI int __stdcall ScaleSprite(int32_t sprite, uint32_t numerator, uint32_t denominator);
QUORAPI int __stdcall MakeSpriteVisible(int32_t sprite, int32_t visible);
QUORAPI void __stdcall DeleteSprite(int32_t sprite);
QUORAPI void __stdcall SetSpriteClippingRectangle(int32_t sprite, int32_t enable, const RECT* rect);
QUORAPI int __stdcall ExamineSprite(int32_t sprite, SpriteCreateRecord* record);
QUORAPI int __stdcall TranslateSpriteColors(int32_t sprite, HQUORXLATE table);
QUORAPI int __stdcall ApplyTransformToSprite(int32_t sprite, const double* matrix);
QUORAPI int __stdcall Apply3DTransformToSprite(int32_t sprite, const double* rotation, const double* position);
QUORAPI int __stdcall RemoveTransformFromSprite(int32_t sprite);
QUORAPI int __stdcall ApplyEffectToSprite(int32_t sprite, HQUOREFFECT effect);
QUORAPI int __stdcall RemoveEffectFromSprite(int32_t sprite);
QUORAPI int __stdcall SetSpriteCallback(int32_t sprite, uintptr_t target, int32_t mode);

// TV windows: windows of the class "BraskQUOR_TV"; a TV is named by its window.
// What a view point query fills: room for (size - 24) / 4 sprite handles.
struct QuorViewPoint {
    uint32_t size;
    void* source;
    int32_t stage;
    int32_t worldX, worldY;
    int32_t spriteCount;
    int32_t sprites[1];
};
QUORAPI int __stdcall PlugInTVSource(HWND tv, uint32_t flags, void* source);
QUORAPI int __stdcall QueryTVPoint(HWND tv, int32_t x, int32_t y, QuorViewPoint* record);
QUORAPI int __stdcall CylindricallyWarpTV(HWND tv, int32_t circumference, int32_t centreRow,
                                          int32_t startColumn, int32_t mode);
QUORAPI int __stdcall StopWarpingTV(HWND tv);
QUORAPI int __cdecl StartOfMoviePalette();
QUORAPI int __cdecl EndOfMoviePalette();

// Video mixers and transitions. A mixer's creation or knobs record starts with its size in
// bytes, the transition id and a reserved word; bit 0 of the fourth word makes a direct mixer.
QUORAPI int32_t __stdcall RegisterTransitionDLL(const char* library);
QUORAPI int32_t __stdcall QueryTransitionDLL(int32_t transition);
QUORAPI uintptr_t __stdcall CreateVideoMixer(const uint32_t* record);
QUORAPI int __stdcall SetVideoMixerCallback(uintptr_t mixer, void* routine, int32_t data);
QUORAPI int __stdcall SetVideoMixerCallbackEx(uintptr_t mixer, void* target, int32_t mode, int32_t data);
QUORAPI int __stdcall SetVideoMixerPosition(uintptr_t mixer, uint32_t position);
QUORAPI int __stdcall PutVideoMixerOnAuto(uintptr_t mixer, int32_t command);
QUORAPI int __stdcall AdjustVideoMixerKnobs(uintptr_t mixer, const uint32_t* knobs);
QUORAPI int __stdcall PlugInVideoMixerSources(uintptr_t mixer, uint32_t flags, void* a, void* b);
// State, direction, minimum, maximum, position, notify target and mode, then the knobs.
QUORAPI int __stdcall GetVideoMixerState(uintptr_t mixer, void* record, uint32_t* size);
QUORAPI void __stdcall DeleteVideoMixer(uintptr_t mixer);

// Image sprites: show a frame of the sprite's SPRT asset, or play a sequence by itself on
// the frame thread (frame moves, frame sounds through the sound callback with code 9, and
// notification event 1 when its last frame shows). Flip bits 1 and 2 mirror the sprite.
QUORAPI int __stdcall AnimateSprite(int32_t sprite, uint32_t sequence, uint32_t frame, uint32_t flips);
QUORAPI int __stdcall AutoSequenceSprite(int32_t sprite, uint32_t sequence, uint32_t start, uint32_t flips);
// Text sprites: new text properties (32 bytes: font, text, text colour, background colour,
// two effect colours, effect offset, options); the text is drawn again.
QUORAPI int __stdcall ModifyTextSpriteProperties(int32_t sprite, const void* properties);
// Owner-draw sprites: takes what the host drew into the surface named in its block.
QUORAPI int __stdcall UpdateOwnerDrawSprite(int32_t sprite);

// The kind blocks that a creation record's `extra` points to. The engine copies the block
// into the sprite; ExamineSprite's record points at that copy.
struct QuorImageBlock {  // types 0-3
    uint32_t asset;      // SPRT asset handle, or 0
    uint32_t sequence;
    uint32_t frame;
    uintptr_t data;      // SPRT data in the host's memory, used when the handle is 0
};
struct QuorTextProperties {  // types 4-7; flags bits 0-1 and 2-3 anchor, 0x20/0x40/0x80 effects
    HFONT font;
    const char* text;
    COLORREF textColour;
    COLORREF backgroundColour;  // with option 0x10 (opaque background)
    COLORREF effectColour1;     // shadow, outline or first emboss colour
    COLORREF effectColour2;     // second emboss colour
    int32_t effectOffset;
    uint32_t options;
};
struct QuorOwnerDrawBlock {  // types 8-11
    uint32_t options;        // 1 opaque; 2 level mask: an 8-bit top-down grey surface, black = full level
    int32_t width, height;
    int32_t x, y;            // offset of the picture from the sprite position
    COLORREF transparentColour;
    QuorSurfaceRecord surface;  // filled in by the engine: draw into its bitmap
};
static_assert(sizeof(void*) != 4 ||
                  (sizeof(QuorImageBlock) == 16 && sizeof(QuorTextProperties) == 32 && sizeof(QuorOwnerDrawBlock) == 64),
              "sprite kind block layouts");
