#include "ui/picture_icon_engine.h"

#include <QPainter>
#include <algorithm>
#include <utility>

namespace lumo::ui {

PictureIconEngine::PictureIconEngine(QList<int> sides, QList<QSize> offered, Loader load)
    : m_sides(std::move(sides))
    , m_offered(std::move(offered))
    , m_load(std::move(load))
{
    std::sort(m_sides.begin(), m_sides.end());
}

int PictureIconEngine::pictureFor(int side) const
{
    const auto larger = std::lower_bound(m_sides.cbegin(), m_sides.cend(), side);
    return larger != m_sides.cend() ? *larger : m_sides.back();
}

const QIcon& PictureIconEngine::iconFor(const QSize& size)
{
    if (m_sides.isEmpty()) {
        return m_pictures;
    }
    const int side = pictureFor(std::max(size.width(), size.height()));
    if (!m_loaded.contains(side)) {
        m_loaded.append(side);
        if (const QPixmap picture = m_load(side); !picture.isNull()) {
            m_pictures.addPixmap(picture);
        }
    }
    return m_pictures;
}

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state)
{
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1;
    iconFor(rect.size() * scale).paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/)
{
    if (m_sides.isEmpty()) {
        return {};
    }
    // Known without loading: the pictures are square, and none is drawn larger than it is.
    const int side = pictureFor(std::max(size.width(), size.height()));
    QSize actual(side, side);
    if (actual.width() > size.width() || actual.height() > size.height()) {
        actual.scale(size, Qt::KeepAspectRatio);
    }
    return actual;
}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return iconFor(size).pixmap(size, 1.0, mode, state);
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/)
{
    return m_offered;
}

QIconEngine* PictureIconEngine::clone() const
{
    return new PictureIconEngine(*this);
}

QString PictureIconEngine::key() const
{
    return QStringLiteral("PictureIconEngine");
}

bool PictureIconEngine::isNull()
{
    return m_sides.isEmpty();
}

} // namespace lumo::ui
