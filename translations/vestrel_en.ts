<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Catalogue</name>
    <message>
        <source>1. NaCl (Соль)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2. (Cu)2O (Куприт)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3. C(Алмаз)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>4. С(Графит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>5. CsCl(Хлористый цезий)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>6. ZnS(Сфалерит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>7. ZnS(Вюртцит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8. Альфа-Fe(Феррит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>9. Гамма-Fe(Аустенит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>10. СuFeS2(Халькопирит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>11. BN(Борнитрит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>12. CdI2(Йодистый кадмий)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>13. FeS2(Пирит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>14. CaF2(Флюорит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>15. Mg (Магний)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>16. TiO2(Рутил)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>17. Cu (Медь)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>18. CaCO3 (Кальцит)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1.   Куб</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.   Правильный тетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3.   Тетрагональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>4.   Тригональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>5.   Тригональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>6.   Тригональная бипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>7.   Октаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8.   Тетрагональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>9.   Гексагональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>10. Гексагональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>11. Гексагональная бипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>12. Дитригональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Не выбрано</source>
        <translation>Not selected</translation>
    </message>
    <message>
        <source>Выберите структуру или тип многогранников!</source>
        <translation type="unfinished" />
    </message>
</context>
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
        <translation>Crystal's appearance:</translation>
    </message>
    <message>
        <source>Внешний вид кристалла</source>
        <translation>Crystal's appearance</translation>
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
    <name>CifReader</name>
    <message>
        <source>В файле </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> длина ребра ячейки </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> Å: длины рёбер ячейки должны быть больше нуля.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> слишком велика: длины рёбер ячейки не бывают больше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> углы ячейки α = </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>° не образуют ячейку.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>триклинная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>моноклинная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбическая</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригональная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагональная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>кубическая</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В списке операций симметрии файла </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> больше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> операций: такой пространственной группы нет.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Операция симметрии </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> в файле </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> записана с ошибкой.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Символ Холла </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не удалось прочитать, а списка операций симметрии в файле нет.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Пространственная группа </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> из файла </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> неизвестна, а списка операций симметрии в файле нет.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Номер пространственной группы </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> неверен: номера групп — от 1 до 230, а списка операций симметрии в файле нет.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>) в файле </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> противоречит указанному там же номеру </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>, а списка операций симметрии в файле нет.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>, а ячейка (</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>) ей не подходит; списка операций симметрии в файле нет.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> параметры элементарной ячейки заданы не полностью.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> кратчайший период решётки ячейки (</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>) равен </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> Å: в кристалле периоды не бывают меньше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> у атома </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не заданы координаты.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> неверные координаты.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не удалось определить химический элемент атома </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> (тип </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет атомов: список атомных позиций пуст.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В элементарной ячейке структуры из файла </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> атомов: такую структуру показать нельзя.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Файл </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> пуст.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не является файлом CIF: в нём двоичные данные, а не текст.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не является файлом CIF</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> (ошибка в строке </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет параметров элементарной ячейки.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет атомных позиций (координат атомов в долях ячейки).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не удалось прочитать: данные структуры в нём записаны с ошибкой.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не найден.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> — папка, а не файл CIF.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не удаётся прочитать.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> слишком велик (</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> МБ): открываются файлы CIF не больше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> МБ.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vestrel: неизвестный параметр «%1»; справка: vestrel --help</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вестрел %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Использование: vestrel [ПАРАМЕТР] [ФАЙЛ.cif]
Вестрел — учебная программа по кристаллографии: кристаллические структуры
и многогранники с элементами симметрии в объемном изображении.

  --help     показать эту справку и выйти
  --version  показать версию программы и выйти

Без параметров открывается главное окно программы; с именем файла CIF
оно сразу показывает кристаллическую структуру из этого файла.
</source>
        <translation type="unfinished" />
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
        <translation>Distance of the form's faces from the centre (1 is the size of the cube of the polyhedron list)</translation>
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
    <name>CrystalClasses</name>
    <message>
        <source>моноэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пинакоидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>диэдрический осевой</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>диэдрический безосный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>призматический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбо-тетраэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбо-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбо-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагонально-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагонально-тетраэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагонально-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагонально-трапецоэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитетрагонально-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагонально-скаленоэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитетрагонально-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригонально-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбоэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригонально-трапецоэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригонально-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригонально-скаленоэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагонально-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригонально-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагонально-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагонально-трапецоэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дигексагонально-пирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригонально-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дигексагонально-дипирамидальный</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пентагон-тритетраэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дидодекаэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пентагон-триоктаэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексатетраэдрический</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексаоктаэдрический</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CrystalForms</name>
    <message>
        <source>, граней: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Вид симметрии: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сингония: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Формула симметрии: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Порядок группы: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Форма </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>, расстояние </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Замыкающие грани: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Открытая форма: %1 показана с замыкающими гранями</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CrystalSystems</name>
    <message>
        <source>Триклинная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Низшая</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Моноклинная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ромбическая</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Тригональная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Средняя</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Тетрагональная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Гексагональная</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Кубическая</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Высшая</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>FaceSymbol</name>
    <message>
        <source>Символ грани должен состоять из целых чисел, например (100) или (1 -1 0).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Индексы грани не могут быть все равны нулю.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Индексы грани не должны превышать 20 по абсолютной величине.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В символе (hkil) индекс i должен быть равен −(h + k).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Символ грани должен содержать три индекса (hkl).</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Символ грани должен содержать три индекса (hkl) или четыре (hkil).</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>Файл справки не найден: %1</source>
        <translation>Help file not found: %1</translation>
    </message>
    <message>
        <source>Не удалось открыть справку. Откройте в браузере файл: %1</source>
        <translation>The help could not be opened. Open this file in a browser: %1</translation>
    </message>
    <message>
        <source>Вестрел</source>
        <translation>Vestrel</translation>
    </message>
</context>
<context>
    <name>LoadedStructure</name>
    <message>
        <source>Структура не загружена.</source>
        <translation type="unfinished" />
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
    <name>ModelExport</name>
    <message>
        <source>Части, не связанные с основным телом, не сохранены: %1.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Нечего печатать: в окне нет ни шаров, ни линий, ни граней.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Нечего сохранять: в окне не построено ни одной модели.</source>
        <translation type="unfinished" />
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
    <name>ModelWriter</name>
    <message>
        <source>Нечего сохранять: в окне не построено ни одной модели.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Не удалось построить 3D-модель для файла "%1".</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Модель glTF (*.glb)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Модель STL (*.stl)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Модель OBJ (*.obj)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Вестрел</source>
        <translation>Vestrel</translation>
    </message>
    <message>
        <source>Скриншот сохранен в  папку Screenshots!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Сохранить изображение структуры перед выходом?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Скриншот сохранен в  папку %1!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Скриншот сохранен: %1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Неверный размер рисунка: ширина и высота должны быть от 1 до %1 точек.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Не удалось построить рисунок такого размера: не хватает памяти или возможностей OpenGL.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation type="unfinished" />
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
    <name>PowderPattern</name>
    <message>
        <source>Файл </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не найден.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не удаётся прочитать.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Длина волны должна быть от </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> до </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Диапазон углов 2θ должен лежать в пределах от </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Начало диапазона углов 2θ должно быть меньше его конца.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Структура для расчёта не прочитана.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В выбранном диапазоне углов у этой ячейки больше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> отражений: столько не рассчитывается. Сузьте диапазон 2θ или возьмите более длинную волну.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ширина пиков должна быть от </source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>--form %1: расстояние грани от центра должно быть положительным числом</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--class %1: нет такого вида симметрии (номер от 1 до 32 или международный символ, например -43m, 4/mmm, 6/mmm)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>--form: не больше трёх форм в комбинации</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>SimpleForms</name>
    <message>
        <source>тригональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитетрагональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дигексагональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитетрагональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дигексагональная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригональная дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональная дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагональная дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригональная дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитетрагональная дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дигексагональная дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригональный трапецоэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональный трапецоэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексагональный трапецоэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональный скаленоэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дитригональный скаленоэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбоэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагональный тетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбическая дипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбическая призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбический тетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбическая пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>куб</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>октаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ромбододекаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагексаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пентагондодекаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригон-триоктаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагон-тритетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетрагон-триоктаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригон-тритетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>моноэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пинакоид</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>диэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пентагон-тритетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>дидодекаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пентагон-триоктаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексатетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гексаоктаэдр</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>StructureBlock</name>
    <message>
        <source>Число ячеек по осям должно быть от 1 до </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Блок из </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> ячеек содержал бы </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> атомов — больше предела в </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Выберите меньше ячеек по осям: не больше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Такую структуру показать нельзя даже в одной ячейке.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>StructureFactors</name>
    <message>
        <source>Файл </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> не удалось прочитать для расчёта дифрактограммы.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В файле </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет ячейки с атомными позициями.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет параметров элементарной ячейки.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Для атома </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> файла </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет атомного фактора рассеяния рентгеновских лучей.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> нет атомов.</source>
        <translation type="unfinished" />
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
    <name>StructureMemo</name>
    <message>
        <source>Формула в файле: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Файл: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Брутто-формула: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Пространственная группа </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>), класс </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Пространственная группа не определялась: в ячейке больше </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> атомов.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Пространственную группу по расположению атомов определить не удалось.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В файле указана группа </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Параметры ячейки: a = </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Объём ячейки V = </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> Å³; число формульных единиц в ячейке Z = </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Атомов в ячейке: </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Плотность (по содержимому ячейки): </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> г/см³.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Позиции (элемент, координационное число КЧ):</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>, КЧ </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В структуре есть частично заселённые позиции; на модели показан основной атом каждой позиции.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>В файле нет сведений о симметрии: атомы списка взяты как вся ячейка.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>StructureTools</name>
    <message>
        <source>икосаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>антикубооктаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>кубооктаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>многогранник с </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> вершинами</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source> — КЧ </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>гантель</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>треугольник</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>квадрат</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тетраэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>квадратная пирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригональная бипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>тригональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>октаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>пентагональная бипирамида</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>куб</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>квадратная антипризма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>додекаэдр</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>трёхшапочная тригональная призма</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>нет атома</source>
        <translation type="unfinished" />
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
        <translation>Miller indices of the planes, for example 1 1 0; several separated by ";"</translation>
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
    <name>SymmetryLesson</name>
    <message>
        <source> — многогранник совместился сам с собой</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 — ось %2-го порядка (%3)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 — инверсионная ось %2-го порядка (%3)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>P — плоскость симметрии (%1)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>C — центр симметрии</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Поворот вокруг %1 на %2°</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Поворот вокруг %1 на %2° и инверсия</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Отражение в плоскости P</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Инверсия в центре C</source>
        <translation type="unfinished" />
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
<context>
    <name>ZoneLaw</name>
    <message>
        <source>Не введены символы граней!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Не введены символы рёбер!</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>ZonePicture</name>
    <message>
        <source>Плоскости %1 и %2 параллельны и не задают зону</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ось зоны %1 — линия пересечения плоскостей %2 и %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Направления %1 и %2 параллельны и не задают плоскость</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Плоскость %1 содержит направления %2 и %3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Для построения в пространстве символы должны состоять из целых чисел.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Для построения в пространстве индексы должны быть не больше %1 по модулю.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Символ %1 не задаёт %2.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>плоскости</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>направления</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>