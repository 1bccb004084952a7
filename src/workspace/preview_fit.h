// Where and how large the preview pane draws a picture.
#pragma once

#include <string>
#include <string_view>

namespace brevino {

struct PreviewFit {
    int x = 0;  // position inside the pane
    int y = 0;
    int width = 0;  // drawn size
    int height = 0;
    int stepWidth = 0;  // what each shrinking step takes off
    int stepHeight = 0;
    int steps = 0;  // how many steps were taken
};

// Shrinks the picture in equal steps until it fits the pane: the steps are a fifteenth of
// the picture's size, or a fortieth for pictures wider than 2000 pixels. A picture that
// fits already keeps its size (it is never enlarged). The result is centred in the pane.
// Where the steps cannot bring the picture inside without shrinking a side to nothing (a
// pane smaller than a step, or a very long picture), the picture is scaled to fit keeping
// its proportions instead.
PreviewFit fitPreview(int pictureWidth, int pictureHeight, int paneWidth, int paneHeight);

// "Brevino[" + the file name of `path` + "]".
std::string previewTitle(std::string_view path);

}  // namespace brevino
