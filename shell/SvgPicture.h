#pragma once
// A picture drawn from a vector file, sharp at any screen resolution. The file is read and
// parsed when the picture is first painted (or asked whether it is valid), so pictures that
// are never shown, such as the hidden sign banners, cost nothing.

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer& renderer() const;

    QString m_source;
    QSvgRenderer* m_renderer;
    mutable bool m_loaded = false;
};

} // namespace shell
