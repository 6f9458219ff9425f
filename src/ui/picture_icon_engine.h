#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <functional>

namespace lumo::ui {

// An icon drawn from square pictures of fixed side lengths, each loaded the first time a size
// needs it: a window that asks for one size decodes one picture, not every one the icon holds.
// A size is drawn from the smallest picture at least as large (the largest when none is), scaled
// down to fit, as Qt's own icons do. Sizes are asked for in real pixels (pixmap()); how a scaled
// request turns into one is left to QIconEngine, whose contract for that has changed between Qt
// versions.
class PictureIconEngine final : public QIconEngine {
public:
    // Loads the picture of one side length; a null pixmap when there is none.
    using Loader = std::function<QPixmap(int side)>;

    // `sides`: the side lengths of the pictures, in any order. `offered`: the sizes the icon
    // names as its own (`availableSizes`), which a platform may ask for one by one.
    PictureIconEngine(QList<int> sides, QList<QSize> offered, Loader load);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    [[nodiscard]] QIconEngine* clone() const override;
    [[nodiscard]] QString key() const override;
    bool isNull() override;

private:
    PictureIconEngine(const PictureIconEngine&) = default;

    // The side of the picture that draws a square of `side` real pixels.
    [[nodiscard]] int pictureFor(int side) const;
    // The icon of the pictures loaded so far, after loading the one that draws `size` real
    // pixels.
    const QIcon& iconFor(const QSize& size);

    QList<int> m_sides; // ascending
    QList<QSize> m_offered;
    Loader m_load;
    QList<int> m_loaded;
    QIcon m_pictures;
};

} // namespace lumo::ui
