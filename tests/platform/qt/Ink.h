#pragma once
#include <QImage>

#include <algorithm>

// The rightmost column of `image` holding a pixel darker than `grayBelow`;
// -1 when nothing is inked.
inline int inkRight(const QImage& image, int grayBelow) {
    int right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < grayBelow) right = std::max(right, x);
    return right;
}
