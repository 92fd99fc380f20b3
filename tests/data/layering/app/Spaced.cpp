  #  include   <QtGui/qimage.h>
