#include "CameraList.h"

#include <set>

#include "Camera.h"
#include "LibraryContext.h"

namespace {
// Never destroyed: the frame thread paints through the cameras up to the end of the process.
std::set<const Camera*>& Cameras() {
    static auto* cameras = new std::set<const Camera*>;
    return *cameras;
}
}  // namespace

namespace CameraList {
void Add(Camera* camera) { Cameras().insert(camera); }
void Remove(Camera* camera) { Cameras().erase(camera); }
bool Contains(const Camera* camera) { return Cameras().count(camera) != 0; }

Camera* Find(uintptr_t handle) {
    auto* camera = reinterpret_cast<Camera*>(uintptr_t(handle));
    if (!Contains(camera) || !camera->HasCameraTag()) Errors().Raise(ErrBadCamera, int32_t(handle));
    return camera;
}
}  // namespace CameraList
