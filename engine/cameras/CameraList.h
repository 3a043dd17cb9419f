// Every live camera. A camera handle is the camera object's address; it is valid only
// while the object is in this list and carries the tag "vcam".
#pragma once
#include <cstdint>

class Camera;

namespace CameraList {
void Add(Camera* camera);
void Remove(Camera* camera);
// Raises ErrBadCamera unless the handle is a live camera.
Camera* Find(uintptr_t handle);
bool Contains(const Camera* camera);
}  // namespace CameraList
