// Paints the layout's backdrop picture into the engine's camera buffer for the Graphics
// page's owner-draw backdrop: the picture is kept in the engine's 16-bit form and the
// asked rectangle is copied row by row.
#pragma once
#include <windows.h>

#include <memory>

#include "Quor2_5.h"

class Bitmap;

class BackdropPainter {
public:
    BackdropPainter();
    ~BackdropPainter();

    // Takes a copy of the picture; none (or one that cannot be read) paints black.
    void SetPicture(HBITMAP picture);
    // The engine's draw routine; the request's user value is the painter.
    static int __stdcall Draw(QuorBackdropDrawRequest* request);

private:
    void Paint(QuorBackdropDrawRequest& request) const;

    std::unique_ptr<Bitmap> picture_;
};
