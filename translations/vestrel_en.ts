<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>CataloguePart</name>
    <message>
        <source>Инструменты :</source>
        <translation>Tools:</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Построить в среднем окне выбранную структуру или многогранник</source>
        <translation>Build the chosen structure or polyhedron in the middle window</translation>
    </message>
    <message>
        <source>Стереть построение</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Стереть построенную структуру или многогранник</source>
        <translation>Erase the structure or polyhedron shown</translation>
    </message>
    <message>
        <source>Структура : </source>
        <translation>Structure: </translation>
    </message>
    <message>
        <source>Список структур для построения</source>
        <translation>Structures to build</translation>
    </message>
    <message>
        <source>Многогр. и их элем. симметрии : </source>
        <translation>Polyhedra and their symmetry elements: </translation>
    </message>
    <message>
        <source>Список многогранников для построения</source>
        <translation>Polyhedra to build</translation>
    </message>
    <message>
        <source>Внешний вид кристалла :</source>
        <translation>Crystal&apos;s appearance:</translation>
    </message>
    <message>
        <source>Внешний вид кристалла</source>
        <translation>Crystal&apos;s appearance</translation>
    </message>
    <message>
        <source>Доп. информация :</source>
        <translation>More information:</translation>
    </message>
    <message>
        <source>Информация о кристалле и его кристаллической решетке</source>
        <translation>About the crystal and its crystal lattice</translation>
    </message>
</context>
<context>
    <name>CrystalClassPart</name>
    <message>
        <source>Классы симметрии :</source>
        <translation>Crystal classes:</translation>
    </message>
    <message>
        <source>Список 32 видов симметрии кристаллов</source>
        <translation>The 32 crystal classes</translation>
    </message>
    <message>
        <source>Простые формы выбранного вида симметрии</source>
        <translation>Simple forms of the chosen crystal class</translation>
    </message>
    <message>
        <source>Грань (hkl):</source>
        <translation>Face (hkl):</translation>
    </message>
    <message>
        <source>Символ грани, например 1 1 0 или (10-11); пусто — форма из списка</source>
        <translation>Face symbol, for example 1 1 0 or (10-11); empty: the form of the list</translation>
    </message>
    <message>
        <source>Расстояние:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Расстояние граней формы от центра (1 — размер куба из списка многогранников)</source>
        <translation>Distance of the form&apos;s faces from the centre (1 is the size of the cube of the polyhedron list)</translation>
    </message>
    <message>
        <source>Добавить форму</source>
        <translation>Add Form</translation>
    </message>
    <message>
        <source>Добавить форму к комбинации (не больше трёх форм)</source>
        <translation>Add the form to the combination (at most three forms)</translation>
    </message>
    <message>
        <source>Убрать форму</source>
        <translation>Remove Form</translation>
    </message>
    <message>
        <source>Убрать выбранную форму из комбинации</source>
        <translation>Remove the chosen form from the combination</translation>
    </message>
    <message>
        <source>Формы комбинации и их расстояния от центра</source>
        <translation>Forms of the combination and their distances from the centre</translation>
    </message>
    <message>
        <source>Не выбрано</source>
        <translation>Not selected</translation>
    </message>
    <message>
        <source>В комбинации может быть не больше трёх форм.</source>
        <translation>A combination can have at most three forms.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Вестрел  Вер. 1.1</source>
        <translation>Vestrel  Ver. 1.1</translation>
    </message>
    <message>
        <source>Вестрел</source>
        <translation>Vestrel</translation>
    </message>
    <message>
        <source>Окно построения объектов</source>
        <translation>Drawing window</translation>
    </message>
    <message>
        <source>Выйти из программы?</source>
        <translation>Exit the program?</translation>
    </message>
</context>
<context>
    <name>ModelExportPart</name>
    <message>
        <source>Сохранить 3D-модель…</source>
        <translation>Save 3-D Model…</translation>
    </message>
    <message>
        <source>3D-модель STL</source>
        <translation>STL 3-D model</translation>
    </message>
    <message>
        <source>Для 3D-печати</source>
        <translation>For 3-D printing</translation>
    </message>
    <message>
        <source> мм</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Длина по наибольшей стороне:</source>
        <translation>Length of the longest side:</translation>
    </message>
    <message>
        <source>Сохранение 3D-модели…</source>
        <translation>Saving the 3-D model…</translation>
    </message>
</context>
<context>
    <name>PicturePart</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранение рисунка…</source>
        <translation>Saving the picture…</translation>
    </message>
</context>
<context>
    <name>StructureFilePart</name>
    <message>
        <source>Файлы CIF (*.cif)</source>
        <translation>CIF files (*.cif)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Открыть структуру</source>
        <translation>Open Structure</translation>
    </message>
    <message>
        <source>Ячеек по осям</source>
        <translation>Cells per axis</translation>
    </message>
    <message>
        <source>Число элементарных ячеек структуры вдоль каждой из трёх осей</source>
        <translation>Number of unit cells of the structure along each of the three axes</translation>
    </message>
</context>
<context>
    <name>StructureToolsPart</name>
    <message>
        <source>Измерение</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Щелчками по атомам измерить расстояние (два атома) или угол (три атома)</source>
        <translation>Click atoms to measure a distance (two atoms) or an angle (three atoms)</translation>
    </message>
    <message>
        <source>Координационные полиэдры</source>
        <translation>Coordination polyhedra</translation>
    </message>
    <message>
        <source>Показать координационные полиэдры вокруг выбранных элементов</source>
        <translation>Show the coordination polyhedra around the chosen elements</translation>
    </message>
    <message>
        <source>Центральные элементы полиэдров через запятую; пусто — все катионы</source>
        <translation>Central elements of the polyhedra separated by commas; empty: all cations</translation>
    </message>
    <message>
        <source>все катионы</source>
        <translation>all cations</translation>
    </message>
    <message>
        <source>Плоскости (hkl)</source>
        <translation>Planes (hkl)</translation>
    </message>
    <message>
        <source>Индексы Миллера плоскостей, например 1 1 0; несколько — через «;»</source>
        <translation>Miller indices of the planes, for example 1 1 0; several separated by &quot;;&quot;</translation>
    </message>
    <message>
        <source>Координационные полиэдры:
</source>
        <translation>Coordination polyhedra:
</translation>
    </message>
    <message>
        <source>Измерения:
</source>
        <translation>Measurements:
</translation>
    </message>
</context>
<context>
    <name>SymmetryPart</name>
    <message>
        <source>Операции симметрии :</source>
        <translation>Symmetry operations:</translation>
    </message>
    <message>
        <source>Элементы симметрии построенного многогранника</source>
        <translation>Symmetry elements of the polyhedron shown</translation>
    </message>
    <message>
        <source>Выбранный элемент выделяется в окне построения</source>
        <translation>The chosen element is highlighted in the drawing window</translation>
    </message>
    <message>
        <source>Выполнить</source>
        <translation>Perform</translation>
    </message>
    <message>
        <source>Выполнить операцию симметрии выбранного элемента</source>
        <translation>Perform the symmetry operation of the chosen element</translation>
    </message>
</context>
<context>
    <name>Vestrel</name>
    <message>
        <source>Вестрел</source>
        <translation>Vestrel</translation>
    </message>
    <message>
        <source>vestrel: настройки не сохранены в %1</source>
        <translation>vestrel: the settings were not saved in %1</translation>
    </message>
</context>
<context>
    <name>ViewPart</name>
    <message>
        <source>Дистанция до центра: %1</source>
        <translation>Distance to the centre: %1</translation>
    </message>
    <message>
        <source>Расстояние (в отн. единицах) до центра области построения</source>
        <translation>Distance (in relative units) to the centre of the drawing</translation>
    </message>
</context>
</TS>
