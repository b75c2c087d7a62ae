#pragma once
// A picture drawn from a vector file, sharp at any screen resolution. The file is read and
// parsed when the picture is first painted (or asked whether it is valid), so pictures that
// are never shown, such as the hidden sign banners, cost nothing.
//
// A picture may also come with bitmaps the build rendered from it, for exact sizes in device
// pixels: ":/pictures/splash-455x276.argb32" beside ":/pictures/splash.svg", the bare rows of
// a premultiplied ARGB32 image, stored uncompressed. Where one fits the picture as shown, it
// is drawn straight from the resource data and the vector file is not read at all: the
// splash's first frame needs no parsing, decoding, font lookup or text layout.

#include <QImage>
#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace shell {

class SvgPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit SvgPicture(QWidget* parent = nullptr);
    ~SvgPicture() override;

    QString source() const { return m_source; }
    void setSource(const QString& source);
    bool isValid() const;
    // Whether the file has been read and parsed yet.
    bool isLoaded() const { return m_loaded; }
    // The bitmap baked for a size in device pixels: `source` with ".svg" replaced by
    // "-WIDTHxHEIGHT.argb32".
    static QString bakedName(const QString& source, QSize pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer& renderer() const;
    // The baked bitmap that fits the picture as shown, over the resource data (no copy), or a
    // null image.
    QImage baked() const;

    QString m_source;
    QSvgRenderer* m_renderer;
    mutable bool m_loaded = false;
};

} // namespace shell
