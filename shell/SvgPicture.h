#pragma once
// A picture drawn from a vector file, sharp at any screen resolution.

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_source;
    QSvgRenderer* m_renderer;
};

} // namespace shell
