<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>Catalogue</name>
    <message>
        <source>1. NaCl (Соль)</source>
        <translation>1. NaCl (Rock salt)</translation>
    </message>
    <message>
        <source>2. (Cu)2O (Куприт)</source>
        <translation>2. (Cu)2O (Cuprite)</translation>
    </message>
    <message>
        <source>3. C(Алмаз)</source>
        <translation>3. C(Diamond)</translation>
    </message>
    <message>
        <source>4. С(Графит)</source>
        <translation>4. C(Graphite)</translation>
    </message>
    <message>
        <source>5. CsCl(Хлористый цезий)</source>
        <translation>5. CsCl(Caesium chloride)</translation>
    </message>
    <message>
        <source>6. ZnS(Сфалерит)</source>
        <translation>6. ZnS(Sphalerite)</translation>
    </message>
    <message>
        <source>7. ZnS(Вюртцит)</source>
        <translation>7. ZnS(Wurtzite)</translation>
    </message>
    <message>
        <source>8. Альфа-Fe(Феррит)</source>
        <translation>8. Alpha-Fe(Ferrite)</translation>
    </message>
    <message>
        <source>9. Гамма-Fe(Аустенит)</source>
        <translation>9. Gamma-Fe(Austenite)</translation>
    </message>
    <message>
        <source>10. СuFeS2(Халькопирит)</source>
        <translation>10. CuFeS2(Chalcopyrite)</translation>
    </message>
    <message>
        <source>11. BN(Борнитрит)</source>
        <translation>11. BN(Boron nitride)</translation>
    </message>
    <message>
        <source>12. CdI2(Йодистый кадмий)</source>
        <translation>12. CdI2(Cadmium iodide)</translation>
    </message>
    <message>
        <source>13. FeS2(Пирит)</source>
        <translation>13. FeS2(Pyrite)</translation>
    </message>
    <message>
        <source>14. CaF2(Флюорит)</source>
        <translation>14. CaF2(Fluorite)</translation>
    </message>
    <message>
        <source>15. Mg (Магний)</source>
        <translation>15. Mg (Magnesium)</translation>
    </message>
    <message>
        <source>16. TiO2(Рутил)</source>
        <translation>16. TiO2(Rutile)</translation>
    </message>
    <message>
        <source>17. Cu (Медь)</source>
        <translation>17. Cu (Copper)</translation>
    </message>
    <message>
        <source>18. CaCO3 (Кальцит)</source>
        <translation>18. CaCO3 (Calcite)</translation>
    </message>
    <message>
        <source>1.   Куб</source>
        <translation>1.   Cube</translation>
    </message>
    <message>
        <source>2.   Правильный тетраэдр</source>
        <translation>2.   Regular tetrahedron</translation>
    </message>
    <message>
        <source>3.   Тетрагональная призма</source>
        <translation>3.   Tetragonal prism</translation>
    </message>
    <message>
        <source>4.   Тригональная призма</source>
        <translation>4.   Trigonal prism</translation>
    </message>
    <message>
        <source>5.   Тригональная пирамида</source>
        <translation>5.   Trigonal pyramid</translation>
    </message>
    <message>
        <source>6.   Тригональная бипирамида</source>
        <translation>6.   Trigonal dipyramid</translation>
    </message>
    <message>
        <source>7.   Октаэдр</source>
        <translation>7.   Octahedron</translation>
    </message>
    <message>
        <source>8.   Тетрагональная пирамида</source>
        <translation>8.   Tetragonal pyramid</translation>
    </message>
    <message>
        <source>9.   Гексагональная пирамида</source>
        <translation>9.   Hexagonal pyramid</translation>
    </message>
    <message>
        <source>10. Гексагональная призма</source>
        <translation>10. Hexagonal prism</translation>
    </message>
    <message>
        <source>11. Гексагональная бипирамида</source>
        <translation>11. Hexagonal dipyramid</translation>
    </message>
    <message>
        <source>12. Дитригональная пирамида</source>
        <translation>12. Ditrigonal pyramid</translation>
    </message>
    <message>
        <source>Не выбрано</source>
        <translation>Not selected</translation>
    </message>
    <message>
        <source>Выберите структуру или тип многогранников!</source>
        <translation>Choose a structure or a type of polyhedron!</translation>
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
        <translation>Polyhedra and symmetry elements: </translation>
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
    <name>CifReader</name>
    <message>
        <source>В файле </source>
        <translation>In the file </translation>
    </message>
    <message>
        <source> длина ребра ячейки </source>
        <translation> the cell edge length </translation>
    </message>
    <message>
        <source> Å: длины рёбер ячейки должны быть больше нуля.</source>
        <translation> Å: cell edge lengths must be greater than zero.</translation>
    </message>
    <message>
        <source> слишком велика: длины рёбер ячейки не бывают больше </source>
        <translation> is too large: cell edges are never longer than </translation>
    </message>
    <message>
        <source> углы ячейки α = </source>
        <translation> the cell angles α = </translation>
    </message>
    <message>
        <source>° не образуют ячейку.</source>
        <translation>° do not form a valid cell.</translation>
    </message>
    <message>
        <source>триклинная</source>
        <translation>triclinic</translation>
    </message>
    <message>
        <source>моноклинная</source>
        <translation>monoclinic</translation>
    </message>
    <message>
        <source>ромбическая</source>
        <translation>orthorhombic</translation>
    </message>
    <message>
        <source>тетрагональная</source>
        <translation>tetragonal</translation>
    </message>
    <message>
        <source>тригональная</source>
        <translation>trigonal</translation>
    </message>
    <message>
        <source>гексагональная</source>
        <translation>hexagonal</translation>
    </message>
    <message>
        <source>кубическая</source>
        <translation>cubic</translation>
    </message>
    <message>
        <source>В списке операций симметрии файла </source>
        <translation>The list of symmetry operations in the file </translation>
    </message>
    <message>
        <source> больше </source>
        <translation> has more than </translation>
    </message>
    <message>
        <source> операций: такой пространственной группы нет.</source>
        <translation> operations: no space group has that many.</translation>
    </message>
    <message>
        <source>Операция симметрии </source>
        <translation>Symmetry operation </translation>
    </message>
    <message>
        <source> в файле </source>
        <translation> in the file </translation>
    </message>
    <message>
        <source> записана с ошибкой.</source>
        <translation> contains an error.</translation>
    </message>
    <message>
        <source>Символ Холла </source>
        <translation>The Hall symbol </translation>
    </message>
    <message>
        <source> не удалось прочитать, а списка операций симметрии в файле нет.</source>
        <translation> could not be read, and the file has no list of symmetry operations.</translation>
    </message>
    <message>
        <source>Пространственная группа </source>
        <translation>Space group </translation>
    </message>
    <message>
        <source> из файла </source>
        <translation> from the file </translation>
    </message>
    <message>
        <source> неизвестна, а списка операций симметрии в файле нет.</source>
        <translation> is unknown, and the file has no list of symmetry operations.</translation>
    </message>
    <message>
        <source>Номер пространственной группы </source>
        <translation>The space group number </translation>
    </message>
    <message>
        <source> неверен: номера групп — от 1 до 230, а списка операций симметрии в файле нет.</source>
        <translation> is invalid: groups are numbered from 1 to 230, and the file has no list of symmetry operations.</translation>
    </message>
    <message>
        <source>) в файле </source>
        <translation>) in the file </translation>
    </message>
    <message>
        <source> противоречит указанному там же номеру </source>
        <translation> contradicts the space group number given in the same file: </translation>
    </message>
    <message>
        <source>, а списка операций симметрии в файле нет.</source>
        <translation>, and the file has no list of symmetry operations.</translation>
    </message>
    <message>
        <source>, а ячейка (</source>
        <translation>, but the cell (</translation>
    </message>
    <message>
        <source>) ей не подходит; списка операций симметрии в файле нет.</source>
        <translation>) does not match it; the file has no list of symmetry operations.</translation>
    </message>
    <message>
        <source> параметры элементарной ячейки заданы не полностью.</source>
        <translation> the unit cell parameters are incomplete.</translation>
    </message>
    <message>
        <source> кратчайший период решётки ячейки (</source>
        <translation> the shortest lattice period of the cell (</translation>
    </message>
    <message>
        <source>) равен </source>
        <translation>) is </translation>
    </message>
    <message>
        <source> Å: в кристалле периоды не бывают меньше </source>
        <translation> Å: lattice periods in a crystal are never shorter than </translation>
    </message>
    <message>
        <source> у атома </source>
        <translation> the atom </translation>
    </message>
    <message>
        <source> не заданы координаты.</source>
        <translation> has no coordinates.</translation>
    </message>
    <message>
        <source> неверные координаты.</source>
        <translation> has invalid coordinates.</translation>
    </message>
    <message>
        <source> не удалось определить химический элемент атома </source>
        <translation> the chemical element could not be determined for the atom </translation>
    </message>
    <message>
        <source> (тип </source>
        <translation> (type </translation>
    </message>
    <message>
        <source> нет атомов: список атомных позиций пуст.</source>
        <translation> there are no atoms: the list of atom sites is empty.</translation>
    </message>
    <message>
        <source>В элементарной ячейке структуры из файла </source>
        <translation>The unit cell of the structure from the file </translation>
    </message>
    <message>
        <source> атомов: такую структуру показать нельзя.</source>
        <translation> atoms: such a structure cannot be shown.</translation>
    </message>
    <message>
        <source>Файл </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> пуст.</source>
        <translation> is empty.</translation>
    </message>
    <message>
        <source> не является файлом CIF: в нём двоичные данные, а не текст.</source>
        <translation> is not a CIF file: it contains binary data, not text.</translation>
    </message>
    <message>
        <source> не является файлом CIF</source>
        <translation> is not a CIF file</translation>
    </message>
    <message>
        <source> (ошибка в строке </source>
        <translation> (error in line </translation>
    </message>
    <message>
        <source> нет параметров элементарной ячейки.</source>
        <translation> the unit cell parameters are missing.</translation>
    </message>
    <message>
        <source> нет атомных позиций (координат атомов в долях ячейки).</source>
        <translation> the atom sites (fractional atomic coordinates) are missing.</translation>
    </message>
    <message>
        <source> не удалось прочитать: данные структуры в нём записаны с ошибкой.</source>
        <translation> could not be read: its structure data contain errors.</translation>
    </message>
    <message>
        <source> не найден.</source>
        <translation> was not found.</translation>
    </message>
    <message>
        <source> — папка, а не файл CIF.</source>
        <translation> is a folder, not a CIF file.</translation>
    </message>
    <message>
        <source> не удаётся прочитать.</source>
        <translation> cannot be read.</translation>
    </message>
    <message>
        <source> слишком велик (</source>
        <translation> is too large (</translation>
    </message>
    <message>
        <source> МБ): открываются файлы CIF не больше </source>
        <translation> MB): only CIF files up to </translation>
    </message>
    <message>
        <source> МБ.</source>
        <translation> MB can be opened.</translation>
    </message>
    <message>
        <source>№ </source>
        <translation>No. </translation>
    </message>
    <message>
        <source> (№ </source>
        <translation> (No. </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vestrel: неизвестный параметр «%1»; справка: vestrel --help</source>
        <translation>vestrel: unknown option &apos;%1&apos;; for help: vestrel --help</translation>
    </message>
    <message>
        <source>Вестрел %1</source>
        <translation>Vestrel %1</translation>
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
        <translation>Usage: vestrel [OPTION] [FILE.cif]
Vestrel is a crystallography teaching program: crystal structures
and polyhedra with their symmetry elements in 3-D pictures.

  --help     show this help and exit
  --version  show the program version and exit

Without options, the main window of the program opens; given the name of a CIF file,
it shows the crystal structure from that file straight away.
</translation>
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
    <name>CrystalClasses</name>
    <message>
        <source>моноэдрический</source>
        <translation>pedial</translation>
    </message>
    <message>
        <source>пинакоидальный</source>
        <translation>pinacoidal</translation>
    </message>
    <message>
        <source>диэдрический осевой</source>
        <translation>sphenoidal</translation>
    </message>
    <message>
        <source>диэдрический безосный</source>
        <translation>domatic</translation>
    </message>
    <message>
        <source>призматический</source>
        <translation>prismatic</translation>
    </message>
    <message>
        <source>ромбо-тетраэдрический</source>
        <translation>rhombic disphenoidal</translation>
    </message>
    <message>
        <source>ромбо-пирамидальный</source>
        <translation>rhombic pyramidal</translation>
    </message>
    <message>
        <source>ромбо-дипирамидальный</source>
        <translation>rhombic dipyramidal</translation>
    </message>
    <message>
        <source>тетрагонально-пирамидальный</source>
        <translation>tetragonal pyramidal</translation>
    </message>
    <message>
        <source>тетрагонально-тетраэдрический</source>
        <translation>tetragonal disphenoidal</translation>
    </message>
    <message>
        <source>тетрагонально-дипирамидальный</source>
        <translation>tetragonal dipyramidal</translation>
    </message>
    <message>
        <source>тетрагонально-трапецоэдрический</source>
        <translation>tetragonal trapezohedral</translation>
    </message>
    <message>
        <source>дитетрагонально-пирамидальный</source>
        <translation>ditetragonal pyramidal</translation>
    </message>
    <message>
        <source>тетрагонально-скаленоэдрический</source>
        <translation>tetragonal scalenohedral</translation>
    </message>
    <message>
        <source>дитетрагонально-дипирамидальный</source>
        <translation>ditetragonal dipyramidal</translation>
    </message>
    <message>
        <source>тригонально-пирамидальный</source>
        <translation>trigonal pyramidal</translation>
    </message>
    <message>
        <source>ромбоэдрический</source>
        <translation>rhombohedral</translation>
    </message>
    <message>
        <source>тригонально-трапецоэдрический</source>
        <translation>trigonal trapezohedral</translation>
    </message>
    <message>
        <source>дитригонально-пирамидальный</source>
        <translation>ditrigonal pyramidal</translation>
    </message>
    <message>
        <source>дитригонально-скаленоэдрический</source>
        <translation>ditrigonal scalenohedral</translation>
    </message>
    <message>
        <source>гексагонально-пирамидальный</source>
        <translation>hexagonal pyramidal</translation>
    </message>
    <message>
        <source>тригонально-дипирамидальный</source>
        <translation>trigonal dipyramidal</translation>
    </message>
    <message>
        <source>гексагонально-дипирамидальный</source>
        <translation>hexagonal dipyramidal</translation>
    </message>
    <message>
        <source>гексагонально-трапецоэдрический</source>
        <translation>hexagonal trapezohedral</translation>
    </message>
    <message>
        <source>дигексагонально-пирамидальный</source>
        <translation>dihexagonal pyramidal</translation>
    </message>
    <message>
        <source>дитригонально-дипирамидальный</source>
        <translation>ditrigonal dipyramidal</translation>
    </message>
    <message>
        <source>дигексагонально-дипирамидальный</source>
        <translation>dihexagonal dipyramidal</translation>
    </message>
    <message>
        <source>пентагон-тритетраэдрический</source>
        <translation>tetartoidal</translation>
    </message>
    <message>
        <source>дидодекаэдрический</source>
        <translation>diploidal</translation>
    </message>
    <message>
        <source>пентагон-триоктаэдрический</source>
        <translation>gyroidal</translation>
    </message>
    <message>
        <source>гексатетраэдрический</source>
        <translation>hextetrahedral</translation>
    </message>
    <message>
        <source>гексаоктаэдрический</source>
        <translation>hexoctahedral</translation>
    </message>
</context>
<context>
    <name>CrystalForms</name>
    <message>
        <source>, граней: </source>
        <translation>, faces: </translation>
    </message>
    <message>
        <source>Вид симметрии: </source>
        <translation>Crystal class: </translation>
    </message>
    <message>
        <source>Сингония: </source>
        <translation>Crystal system: </translation>
    </message>
    <message>
        <source>Формула симметрии: </source>
        <translation>Symmetry formula: </translation>
    </message>
    <message>
        <source>Порядок группы: </source>
        <translation>Group order: </translation>
    </message>
    <message>
        <source>Форма </source>
        <translation>Form </translation>
    </message>
    <message>
        <source>, расстояние </source>
        <translation>, distance </translation>
    </message>
    <message>
        <source>Замыкающие грани: </source>
        <translation>Closing faces: </translation>
    </message>
    <message>
        <source>Открытая форма: %1 показана с замыкающими гранями</source>
        <translation>Open form: %1 is shown with closing faces</translation>
    </message>
</context>
<context>
    <name>CrystalSystems</name>
    <message>
        <source>Триклинная</source>
        <translation>Triclinic</translation>
    </message>
    <message>
        <source>Низшая</source>
        <translation>Lower</translation>
    </message>
    <message>
        <source>Моноклинная</source>
        <translation>Monoclinic</translation>
    </message>
    <message>
        <source>Ромбическая</source>
        <translation>Orthorhombic</translation>
    </message>
    <message>
        <source>Тригональная</source>
        <translation>Trigonal</translation>
    </message>
    <message>
        <source>Средняя</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <source>Тетрагональная</source>
        <translation>Tetragonal</translation>
    </message>
    <message>
        <source>Гексагональная</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Кубическая</source>
        <translation>Cubic</translation>
    </message>
    <message>
        <source>Высшая</source>
        <translation>Higher</translation>
    </message>
</context>
<context>
    <name>FaceSymbol</name>
    <message>
        <source>Символ грани должен состоять из целых чисел, например (100) или (1 -1 0).</source>
        <translation>The face symbol must consist of integers, e.g. (100) or (1 -1 0).</translation>
    </message>
    <message>
        <source>Индексы грани не могут быть все равны нулю.</source>
        <translation>The face indices cannot all be zero.</translation>
    </message>
    <message>
        <source>Индексы грани не должны превышать 20 по абсолютной величине.</source>
        <translation>The face indices must not exceed 20 in absolute value.</translation>
    </message>
    <message>
        <source>В символе (hkil) индекс i должен быть равен −(h + k).</source>
        <translation>In the symbol (hkil) the index i must equal −(h + k).</translation>
    </message>
    <message>
        <source>Символ грани должен содержать три индекса (hkl).</source>
        <translation>The face symbol must contain three indices (hkl).</translation>
    </message>
    <message>
        <source>Символ грани должен содержать три индекса (hkl) или четыре (hkil).</source>
        <translation>The face symbol must contain three indices (hkl) or four (hkil).</translation>
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
        <translation>No structure loaded.</translation>
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
        <translation>Parts not connected to the main body were not saved: %1.</translation>
    </message>
    <message>
        <source>Нечего печатать: в окне нет ни шаров, ни линий, ни граней.</source>
        <translation>Nothing to print: the window has no spheres, lines or faces.</translation>
    </message>
    <message>
        <source>Нечего сохранять: в окне не построено ни одной модели.</source>
        <translation>Nothing to save: no model has been built in the window.</translation>
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
        <translation>Nothing to save: no model has been built in the window.</translation>
    </message>
    <message>
        <source>Не удалось построить 3D-модель для файла &quot;%1&quot;.</source>
        <translation>Could not build a 3-D model for the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Модель glTF (*.glb)</source>
        <translation>glTF model (*.glb)</translation>
    </message>
    <message>
        <source>Модель STL (*.stl)</source>
        <translation>STL model (*.stl)</translation>
    </message>
    <message>
        <source>Модель OBJ (*.obj)</source>
        <translation>OBJ model (*.obj)</translation>
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
        <translation>Screenshot saved to the Screenshots folder!</translation>
    </message>
    <message>
        <source>Сохранить изображение структуры перед выходом?</source>
        <translation>Save the structure picture before exiting?</translation>
    </message>
    <message>
        <source>Скриншот сохранен в  папку %1!</source>
        <translation>Screenshot saved to the folder %1!</translation>
    </message>
    <message>
        <source>Скриншот сохранен: %1</source>
        <translation>Screenshot saved: %1</translation>
    </message>
    <message>
        <source>Неверный размер рисунка: ширина и высота должны быть от 1 до %1 точек.</source>
        <translation>Invalid picture size: the width and height must be from 1 to %1 pixels.</translation>
    </message>
    <message>
        <source>Не удалось построить рисунок такого размера: не хватает памяти или возможностей OpenGL.</source>
        <translation>Could not create a picture of this size: not enough memory or OpenGL capability.</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
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
        <translation>File </translation>
    </message>
    <message>
        <source> не найден.</source>
        <translation> not found.</translation>
    </message>
    <message>
        <source> не удаётся прочитать.</source>
        <translation> cannot be read.</translation>
    </message>
    <message>
        <source>Длина волны должна быть от </source>
        <translation>The wavelength must be from </translation>
    </message>
    <message>
        <source> до </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Диапазон углов 2θ должен лежать в пределах от </source>
        <translation>2θ must lie in the range from </translation>
    </message>
    <message>
        <source>Начало диапазона углов 2θ должно быть меньше его конца.</source>
        <translation>The start of the 2θ range must be less than its end.</translation>
    </message>
    <message>
        <source>Структура для расчёта не прочитана.</source>
        <translation>No structure has been read for the calculation.</translation>
    </message>
    <message>
        <source>В выбранном диапазоне углов у этой ячейки больше </source>
        <translation>In the selected angle range this cell has more than </translation>
    </message>
    <message>
        <source> отражений: столько не рассчитывается. Сузьте диапазон 2θ или возьмите более длинную волну.</source>
        <translation> reflections, which is too many to calculate. Narrow the 2θ range or use a longer wavelength.</translation>
    </message>
    <message>
        <source>Ширина пиков должна быть от </source>
        <translation>The peak width must be from </translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>--form %1: расстояние грани от центра должно быть положительным числом</source>
        <translation>--form %1: the distance of the face from the centre must be a positive number</translation>
    </message>
    <message>
        <source>--class %1: нет такого вида симметрии (номер от 1 до 32 или международный символ, например -43m, 4/mmm, 6/mmm)</source>
        <translation>--class %1: no such crystal class (a number from 1 to 32 or an international symbol, e.g. -43m, 4/mmm, 6/mmm)</translation>
    </message>
    <message>
        <source>--form: не больше трёх форм в комбинации</source>
        <translation>--form: no more than three forms in a combination</translation>
    </message>
</context>
<context>
    <name>SimpleForms</name>
    <message>
        <source>тригональная призма</source>
        <translation>trigonal prism</translation>
    </message>
    <message>
        <source>тетрагональная призма</source>
        <translation>tetragonal prism</translation>
    </message>
    <message>
        <source>гексагональная призма</source>
        <translation>hexagonal prism</translation>
    </message>
    <message>
        <source>дитригональная призма</source>
        <translation>ditrigonal prism</translation>
    </message>
    <message>
        <source>дитетрагональная призма</source>
        <translation>ditetragonal prism</translation>
    </message>
    <message>
        <source>дигексагональная призма</source>
        <translation>dihexagonal prism</translation>
    </message>
    <message>
        <source>тригональная пирамида</source>
        <translation>trigonal pyramid</translation>
    </message>
    <message>
        <source>тетрагональная пирамида</source>
        <translation>tetragonal pyramid</translation>
    </message>
    <message>
        <source>гексагональная пирамида</source>
        <translation>hexagonal pyramid</translation>
    </message>
    <message>
        <source>дитригональная пирамида</source>
        <translation>ditrigonal pyramid</translation>
    </message>
    <message>
        <source>дитетрагональная пирамида</source>
        <translation>ditetragonal pyramid</translation>
    </message>
    <message>
        <source>дигексагональная пирамида</source>
        <translation>dihexagonal pyramid</translation>
    </message>
    <message>
        <source>тригональная дипирамида</source>
        <translation>trigonal dipyramid</translation>
    </message>
    <message>
        <source>тетрагональная дипирамида</source>
        <translation>tetragonal dipyramid</translation>
    </message>
    <message>
        <source>гексагональная дипирамида</source>
        <translation>hexagonal dipyramid</translation>
    </message>
    <message>
        <source>дитригональная дипирамида</source>
        <translation>ditrigonal dipyramid</translation>
    </message>
    <message>
        <source>дитетрагональная дипирамида</source>
        <translation>ditetragonal dipyramid</translation>
    </message>
    <message>
        <source>дигексагональная дипирамида</source>
        <translation>dihexagonal dipyramid</translation>
    </message>
    <message>
        <source>тригональный трапецоэдр</source>
        <translation>trigonal trapezohedron</translation>
    </message>
    <message>
        <source>тетрагональный трапецоэдр</source>
        <translation>tetragonal trapezohedron</translation>
    </message>
    <message>
        <source>гексагональный трапецоэдр</source>
        <translation>hexagonal trapezohedron</translation>
    </message>
    <message>
        <source>тетрагональный скаленоэдр</source>
        <translation>tetragonal scalenohedron</translation>
    </message>
    <message>
        <source>дитригональный скаленоэдр</source>
        <translation>ditrigonal scalenohedron</translation>
    </message>
    <message>
        <source>ромбоэдр</source>
        <translation>rhombohedron</translation>
    </message>
    <message>
        <source>тетрагональный тетраэдр</source>
        <translation>tetragonal disphenoid</translation>
    </message>
    <message>
        <source>ромбическая дипирамида</source>
        <translation>rhombic dipyramid</translation>
    </message>
    <message>
        <source>ромбическая призма</source>
        <translation>rhombic prism</translation>
    </message>
    <message>
        <source>ромбический тетраэдр</source>
        <translation>rhombic disphenoid</translation>
    </message>
    <message>
        <source>ромбическая пирамида</source>
        <translation>rhombic pyramid</translation>
    </message>
    <message>
        <source>куб</source>
        <translation>cube</translation>
    </message>
    <message>
        <source>октаэдр</source>
        <translation>octahedron</translation>
    </message>
    <message>
        <source>тетраэдр</source>
        <translation>tetrahedron</translation>
    </message>
    <message>
        <source>ромбододекаэдр</source>
        <translation>rhombic dodecahedron</translation>
    </message>
    <message>
        <source>тетрагексаэдр</source>
        <translation>tetrahexahedron</translation>
    </message>
    <message>
        <source>пентагондодекаэдр</source>
        <translation>pyritohedron</translation>
    </message>
    <message>
        <source>тригон-триоктаэдр</source>
        <translation>trisoctahedron</translation>
    </message>
    <message>
        <source>тетрагон-тритетраэдр</source>
        <translation>deltoid dodecahedron</translation>
    </message>
    <message>
        <source>тетрагон-триоктаэдр</source>
        <translation>trapezohedron</translation>
    </message>
    <message>
        <source>тригон-тритетраэдр</source>
        <translation>tristetrahedron</translation>
    </message>
    <message>
        <source>моноэдр</source>
        <translation>pedion</translation>
    </message>
    <message>
        <source>пинакоид</source>
        <translation>pinacoid</translation>
    </message>
    <message>
        <source>диэдр</source>
        <translation>dihedron</translation>
    </message>
    <message>
        <source>пентагон-тритетраэдр</source>
        <translation>tetartoid</translation>
    </message>
    <message>
        <source>дидодекаэдр</source>
        <translation>diploid</translation>
    </message>
    <message>
        <source>пентагон-триоктаэдр</source>
        <translation>gyroid</translation>
    </message>
    <message>
        <source>гексатетраэдр</source>
        <translation>hextetrahedron</translation>
    </message>
    <message>
        <source>гексаоктаэдр</source>
        <translation>hexoctahedron</translation>
    </message>
</context>
<context>
    <name>StructureBlock</name>
    <message>
        <source>Число ячеек по осям должно быть от 1 до </source>
        <translation>The number of cells along each axis must be from 1 to </translation>
    </message>
    <message>
        <source>Блок из </source>
        <translation>A block of </translation>
    </message>
    <message>
        <source> ячеек содержал бы </source>
        <translation> cells would contain </translation>
    </message>
    <message>
        <source> атомов — больше предела в </source>
        <translation> atoms — more than the limit of </translation>
    </message>
    <message>
        <source>Выберите меньше ячеек по осям: не больше </source>
        <translation>Choose fewer cells along the axes: no more than </translation>
    </message>
    <message>
        <source>Такую структуру показать нельзя даже в одной ячейке.</source>
        <translation>This structure cannot be shown even as a single cell.</translation>
    </message>
</context>
<context>
    <name>StructureFactors</name>
    <message>
        <source>Файл </source>
        <translation>File </translation>
    </message>
    <message>
        <source> не удалось прочитать для расчёта дифрактограммы.</source>
        <translation> could not be read to calculate the diffraction pattern.</translation>
    </message>
    <message>
        <source>В файле </source>
        <translation>The file </translation>
    </message>
    <message>
        <source> нет ячейки с атомными позициями.</source>
        <translation> has no cell with atomic positions.</translation>
    </message>
    <message>
        <source> нет параметров элементарной ячейки.</source>
        <translation> has no unit cell parameters.</translation>
    </message>
    <message>
        <source>Для атома </source>
        <translation>For the atom </translation>
    </message>
    <message>
        <source> файла </source>
        <translation> in the file </translation>
    </message>
    <message>
        <source> нет атомного фактора рассеяния рентгеновских лучей.</source>
        <translation> there is no X-ray atomic scattering factor.</translation>
    </message>
    <message>
        <source> нет атомов.</source>
        <translation> has no atoms.</translation>
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
    <name>StructureLibrary</name>
    <message>
        <source>%1 (№ %2)</source>
        <translation>%1 (No. %2)</translation>
    </message>
</context>
<context>
    <name>StructureMemo</name>
    <message>
        <source>Формула в файле: </source>
        <translation>Formula in the file: </translation>
    </message>
    <message>
        <source>Файл: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Брутто-формула: </source>
        <translation>Empirical formula: </translation>
    </message>
    <message>
        <source>Пространственная группа </source>
        <translation>Space group </translation>
    </message>
    <message>
        <source>), класс </source>
        <translation>), crystal class </translation>
    </message>
    <message>
        <source>Пространственная группа не определялась: в ячейке больше </source>
        <translation>The space group was not determined: the cell has more than </translation>
    </message>
    <message>
        <source> атомов.</source>
        <translation> atoms.</translation>
    </message>
    <message>
        <source>Пространственную группу по расположению атомов определить не удалось.</source>
        <translation>The space group could not be determined from the atomic positions.</translation>
    </message>
    <message>
        <source>В файле указана группа </source>
        <translation>The file gives the space group </translation>
    </message>
    <message>
        <source>Параметры ячейки: a = </source>
        <translation>Cell parameters: a = </translation>
    </message>
    <message>
        <source>Объём ячейки V = </source>
        <translation>Cell volume V = </translation>
    </message>
    <message>
        <source> Å³; число формульных единиц в ячейке Z = </source>
        <translation> Å³; formula units per cell Z = </translation>
    </message>
    <message>
        <source>Атомов в ячейке: </source>
        <translation>Atoms in the cell: </translation>
    </message>
    <message>
        <source>Плотность (по содержимому ячейки): </source>
        <translation>Density (from the cell contents): </translation>
    </message>
    <message>
        <source> г/см³.</source>
        <translation> g/cm³.</translation>
    </message>
    <message>
        <source>Позиции (элемент, координационное число КЧ):</source>
        <translation>Sites (element, coordination number CN):</translation>
    </message>
    <message>
        <source>, КЧ </source>
        <translation>, CN </translation>
    </message>
    <message>
        <source>В структуре есть частично заселённые позиции; на модели показан основной атом каждой позиции.</source>
        <translation>The structure has partially occupied sites; the model shows the main atom of each site.</translation>
    </message>
    <message>
        <source>В файле нет сведений о симметрии: атомы списка взяты как вся ячейка.</source>
        <translation>The file has no symmetry information: the listed atoms are taken as the whole cell.</translation>
    </message>
    <message>
        <source> (№ </source>
        <translation> (No. </translation>
    </message>
    <message>
        <source>(№ </source>
        <translation>(No. </translation>
    </message>
</context>
<context>
    <name>StructureTools</name>
    <message>
        <source>икосаэдр</source>
        <translation>icosahedron</translation>
    </message>
    <message>
        <source>антикубооктаэдр</source>
        <translation>anticuboctahedron</translation>
    </message>
    <message>
        <source>кубооктаэдр</source>
        <translation>cuboctahedron</translation>
    </message>
    <message>
        <source>многогранник с </source>
        <translation>polyhedron with </translation>
    </message>
    <message>
        <source> вершинами</source>
        <translation> vertices</translation>
    </message>
    <message>
        <source> — КЧ </source>
        <translation> — CN </translation>
    </message>
    <message>
        <source>гантель</source>
        <translation>dumbbell</translation>
    </message>
    <message>
        <source>треугольник</source>
        <translation>triangle</translation>
    </message>
    <message>
        <source>квадрат</source>
        <translation>square</translation>
    </message>
    <message>
        <source>тетраэдр</source>
        <translation>tetrahedron</translation>
    </message>
    <message>
        <source>квадратная пирамида</source>
        <translation>square pyramid</translation>
    </message>
    <message>
        <source>тригональная бипирамида</source>
        <translation>trigonal bipyramid</translation>
    </message>
    <message>
        <source>тригональная призма</source>
        <translation>trigonal prism</translation>
    </message>
    <message>
        <source>октаэдр</source>
        <translation>octahedron</translation>
    </message>
    <message>
        <source>пентагональная бипирамида</source>
        <translation>pentagonal bipyramid</translation>
    </message>
    <message>
        <source>куб</source>
        <translation>cube</translation>
    </message>
    <message>
        <source>квадратная антипризма</source>
        <translation>square antiprism</translation>
    </message>
    <message>
        <source>додекаэдр</source>
        <translation>dodecahedron</translation>
    </message>
    <message>
        <source>трёхшапочная тригональная призма</source>
        <translation>tricapped trigonal prism</translation>
    </message>
    <message>
        <source>нет атома</source>
        <translation>no atom</translation>
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
    <name>SymmetryLesson</name>
    <message>
        <source> — многогранник совместился сам с собой</source>
        <translation> — the polyhedron coincides with itself</translation>
    </message>
    <message>
        <source>%1 — ось %2-го порядка (%3)</source>
        <translation>%1 — %2-fold axis (%3)</translation>
    </message>
    <message>
        <source>%1 — инверсионная ось %2-го порядка (%3)</source>
        <translation>%1 — %2-fold rotoinversion axis (%3)</translation>
    </message>
    <message>
        <source>P — плоскость симметрии (%1)</source>
        <translation>P — mirror plane (%1)</translation>
    </message>
    <message>
        <source>C — центр симметрии</source>
        <translation>C — centre of symmetry</translation>
    </message>
    <message>
        <source>Поворот вокруг %1 на %2°</source>
        <translation>Rotation about %1 by %2°</translation>
    </message>
    <message>
        <source>Поворот вокруг %1 на %2° и инверсия</source>
        <translation>Rotation about %1 by %2° and inversion</translation>
    </message>
    <message>
        <source>Отражение в плоскости P</source>
        <translation>Reflection in plane P</translation>
    </message>
    <message>
        <source>Инверсия в центре C</source>
        <translation>Inversion through centre C</translation>
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
        <translation>No face symbols entered!</translation>
    </message>
    <message>
        <source>Не введены символы рёбер!</source>
        <translation>No edge symbols entered!</translation>
    </message>
</context>
<context>
    <name>ZonePicture</name>
    <message>
        <source>Плоскости %1 и %2 параллельны и не задают зону</source>
        <translation>Planes %1 and %2 are parallel and do not define a zone</translation>
    </message>
    <message>
        <source>Ось зоны %1 — линия пересечения плоскостей %2 и %3</source>
        <translation>Zone axis %1 is the line of intersection of planes %2 and %3</translation>
    </message>
    <message>
        <source>Направления %1 и %2 параллельны и не задают плоскость</source>
        <translation>Directions %1 and %2 are parallel and do not define a plane</translation>
    </message>
    <message>
        <source>Плоскость %1 содержит направления %2 и %3</source>
        <translation>Plane %1 contains directions %2 and %3</translation>
    </message>
    <message>
        <source>Для построения в пространстве символы должны состоять из целых чисел.</source>
        <translation>To draw in 3-D, the symbols must consist of integers.</translation>
    </message>
    <message>
        <source>Для построения в пространстве индексы должны быть не больше %1 по модулю.</source>
        <translation>To draw in 3-D, the indices must not exceed %1 in absolute value.</translation>
    </message>
    <message>
        <source>Символ %1 не задаёт %2.</source>
        <translation>Symbol %1 does not define a %2.</translation>
    </message>
    <message>
        <source>плоскости</source>
        <translation>plane</translation>
    </message>
    <message>
        <source>направления</source>
        <translation>direction</translation>
    </message>
</context>
<context>
    <name>vestrel::AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation>About Vestrel</translation>
    </message>
    <message>
        <source>Вестрел</source>
        <translation>Vestrel</translation>
    </message>
    <message>
        <source>Вер. 1.1</source>
        <translation>Ver. 1.1</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vestrel::CalculatorWindow</name>
    <message>
        <source>Символ первой грани :</source>
        <translation>Symbol of the first face:</translation>
    </message>
    <message>
        <source>Символ второй грани :</source>
        <translation>Symbol of the second face:</translation>
    </message>
    <message>
        <source>Символ ребра :</source>
        <translation>Edge symbol:</translation>
    </message>
    <message>
        <source>Символ первого ребра :</source>
        <translation>Symbol of the first edge:</translation>
    </message>
    <message>
        <source>Символ второго ребра :</source>
        <translation>Symbol of the second edge:</translation>
    </message>
    <message>
        <source>Символ грани :</source>
        <translation>Face symbol:</translation>
    </message>
    <message>
        <source>Расчет символов граней и ребер</source>
        <translation>Face and Edge Symbol Calculator</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Сделать скриншот</source>
        <translation>Take Screenshot</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Запуск</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Рассчитать</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Стереть введенные данные</source>
        <translation>Clear the input</translation>
    </message>
    <message>
        <source>Облать переключения режимов расчета</source>
        <translation>Choice of the calculation mode</translation>
    </message>
    <message>
        <source>Режим для расчетов:</source>
        <translation>Calculation mode:</translation>
    </message>
    <message>
        <source>Нахождение символа ребра</source>
        <translation>Finding an edge symbol</translation>
    </message>
    <message>
        <source>Нахождение символа грани</source>
        <translation>Finding a face symbol</translation>
    </message>
    <message>
        <source>Исходные данные :</source>
        <translation>Input data:</translation>
    </message>
    <message>
        <source>Облать для ввода данных</source>
        <translation>Where the data are entered</translation>
    </message>
    <message>
        <source>Символ первой грани/ребра</source>
        <translation>Symbol of the first face/edge</translation>
    </message>
    <message>
        <source>Символ второй грани/ребра</source>
        <translation>Symbol of the second face/edge</translation>
    </message>
    <message>
        <source>Решение :</source>
        <translation>Solution:</translation>
    </message>
    <message>
        <source>Облать вывода рассчитанных данных</source>
        <translation>Where the result is shown</translation>
    </message>
    <message>
        <source>Полученное решение</source>
        <translation>The solution found</translation>
    </message>
    <message>
        <source>Показать в пространстве</source>
        <translation>Show in Space</translation>
    </message>
    <message>
        <source>Показать в открытой структуре</source>
        <translation>Show in the open structure</translation>
    </message>
    <message>
        <source>Показать плоскости в открытой структуре из файла, если она показана</source>
        <translation>Show the planes in the structure opened from a file, if it is shown</translation>
    </message>
    <message>
        <source>Показать плоскости и направления в кубической ячейке в окне построения</source>
        <translation>Show the planes and directions in a cubic cell in the drawing window</translation>
    </message>
</context>
<context>
    <name>vestrel::LegendWindow</name>
    <message>
        <source>Обозначения атомов :</source>
        <translation>Atom colours:</translation>
    </message>
</context>
<context>
    <name>vestrel::LibraryDialog</name>
    <message>
        <source>Библиотека структур</source>
        <translation>Structure Library</translation>
    </message>
    <message>
        <source>Название, формула, пространственная группа или тип структуры</source>
        <translation>Name, formula, space group or structure type</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Поиск:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Библиотека структур не найдена: нет папки structures ни рядом с программой, ни среди установленных файлов.</source>
        <translation>The structure library was not found: there is no structures folder beside the program or among the installed files.</translation>
    </message>
    <message>
        <source>В папке %1 нет файлов структур.</source>
        <translation>The folder %1 holds no structure files.</translation>
    </message>
    <message>
        <source>Ничего не найдено.</source>
        <translation>Nothing found.</translation>
    </message>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Пространственная группа</source>
        <translation>Space group</translation>
    </message>
    <message>
        <source>Тип структуры</source>
        <translation>Structure type</translation>
    </message>
    <message>
        <source>Ячейка</source>
        <translation>Unit cell</translation>
    </message>
    <message>
        <source>Источник</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>vestrel::MainMenus</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Открыть структуру…</source>
        <translation>Open Structure…</translation>
    </message>
    <message>
        <source>Библиотека структур…</source>
        <translation>Structure Library…</translation>
    </message>
    <message>
        <source>Сохранить построение как...</source>
        <translation>Save Picture As...</translation>
    </message>
    <message>
        <source>Сохранить 3D-модель…</source>
        <translation>Save 3-D Model…</translation>
    </message>
    <message>
        <source>Сделать скриншот</source>
        <translation>Take Screenshot</translation>
    </message>
    <message>
        <source>Расчет символов граней и ребер</source>
        <translation>Face and Edge Symbol Calculator</translation>
    </message>
    <message>
        <source>Справочник</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Запуск</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Построить объект</source>
        <translation>Build Object</translation>
    </message>
    <message>
        <source>Стереть построение</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Порошковая дифрактограмма</source>
        <translation>Powder Diffraction Pattern</translation>
    </message>
    <message>
        <source>Стереографическая проекция</source>
        <translation>Stereographic Projection</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Окно</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Цвет</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Оси</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Плоскости</source>
        <translation>Planes</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Зеленый</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Белый</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Построить</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Построить предыдущий объект из списка</source>
        <translation>Build the previous object from the list</translation>
    </message>
    <message>
        <source>Построить следущий объет из списка</source>
        <translation>Build the next object from the list</translation>
    </message>
    <message>
        <source>Сделать скриншот экрана</source>
        <translation>Take a screenshot of the window</translation>
    </message>
    <message>
        <source>Показать условные обозначения</source>
        <translation>Show the legend</translation>
    </message>
    <message>
        <source>Настройки построения объектов</source>
        <translation>Object display settings</translation>
    </message>
    <message>
        <source>Открыть файл справки</source>
        <translation>Open the help file</translation>
    </message>
    <message>
        <source>Выход из программы</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Построение</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О Программе</source>
        <translation>About Vestrel</translation>
    </message>
    <message>
        <source>Построить выбранный объект</source>
        <translation>Build the selected object</translation>
    </message>
    <message>
        <source>Стереть построенную структуру или многогранник</source>
        <translation>Erase the structure or polyhedron shown</translation>
    </message>
    <message>
        <source>Построить пред. объект из списка</source>
        <translation>Build prev. object from the list</translation>
    </message>
    <message>
        <source>Построить след. объект из списка</source>
        <translation>Build next object from the list</translation>
    </message>
    <message>
        <source>Сохранить построение</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Обозначения атомов в структурах</source>
        <translation>Atom legend for the structures</translation>
    </message>
    <message>
        <source>Настройки построения</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>Открыть структуру</source>
        <translation>Open Structure</translation>
    </message>
    <message>
        <source>Открыть файл кристаллической структуры (CIF)</source>
        <translation>Open a crystal structure file (CIF)</translation>
    </message>
    <message>
        <source>Измерение</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Измерить расстояния и углы между атомами структуры из файла</source>
        <translation>Measure distances and angles between the atoms of a structure from a file</translation>
    </message>
</context>
<context>
    <name>vestrel::OptionsPanel</name>
    <message>
        <source>Опции :</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Опции построения и отображения</source>
        <translation>Drawing and display options</translation>
    </message>
    <message>
        <source>Оси :</source>
        <translation>Axes:</translation>
    </message>
    <message>
        <source>Вспомогательные оси</source>
        <translation>Auxiliary axes</translation>
    </message>
    <message>
        <source>Построить ось OX</source>
        <translation>Draw the OX axis</translation>
    </message>
    <message>
        <source>Построить ось OY</source>
        <translation>Draw the OY axis</translation>
    </message>
    <message>
        <source>Построить ось OZ</source>
        <translation>Draw the OZ axis</translation>
    </message>
    <message>
        <source>Плоскости :</source>
        <translation>Planes:</translation>
    </message>
    <message>
        <source>Вспомогательные плоскости</source>
        <translation>Auxiliary planes</translation>
    </message>
    <message>
        <source>Построить плоскость XY</source>
        <translation>Draw the XY plane</translation>
    </message>
    <message>
        <source>Построить плоскость YZ</source>
        <translation>Draw the YZ plane</translation>
    </message>
    <message>
        <source>Построить плоскость XZ</source>
        <translation>Draw the XZ plane</translation>
    </message>
    <message>
        <source>Презентация :</source>
        <translation>Presentation:</translation>
    </message>
    <message>
        <source>Вращать вокруг Оси OZ</source>
        <translation>Rotate about the OZ axis</translation>
    </message>
    <message>
        <source>Вращать/не вращать  объект вокруг оси OZ</source>
        <translation>Rotate the object about the OZ axis, or stop it</translation>
    </message>
    <message>
        <source>Показывать соед. линии</source>
        <translation>Show bonds</translation>
    </message>
    <message>
        <source>Отображать/скрыть линии, соединяющие атомы в структурах кристаллов</source>
        <translation>Show/hide the lines joining the atoms in crystal structures</translation>
    </message>
    <message>
        <source>Показывать винт. оси</source>
        <translation>Show screw axes</translation>
    </message>
    <message>
        <source>Показ. оси симметрии</source>
        <translation>Show symmetry axes</translation>
    </message>
    <message>
        <source>Отображать/скрыть оси симметрии в многогранниках</source>
        <translation>Show/hide the symmetry axes of polyhedra</translation>
    </message>
    <message>
        <source>Показ. плоск. симметрии</source>
        <translation>Show mirror planes</translation>
    </message>
    <message>
        <source>Отображать/скрыть плоскости симметрии в многогранниках</source>
        <translation>Show/hide the mirror planes of polyhedra</translation>
    </message>
    <message>
        <source>Показывать символы граней</source>
        <translation>Show face symbols</translation>
    </message>
    <message>
        <source>Писать на гранях кристалла их символы (hkl)</source>
        <translation>Write the symbols (hkl) on the crystal&apos;s faces</translation>
    </message>
</context>
<context>
    <name>vestrel::PictureSizeDialog</name>
    <message>
        <source>Размер рисунка</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>Как окно построения: %1</source>
        <translation>As the drawing window: %1</translation>
    </message>
    <message>
        <source>Вдвое больше: %1</source>
        <translation>Twice as large: %1</translation>
    </message>
    <message>
        <source>Вчетверо больше: %1</source>
        <translation>Four times as large: %1</translation>
    </message>
    <message>
        <source>Другой размер (до %1 × %1):</source>
        <translation>Another size (up to %1 × %1):</translation>
    </message>
    <message>
        <source>Ширина:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Высота:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vestrel::PowderWindow</name>
    <message>
        <source>Порошковая дифрактограмма|Рентгеновская порошковая дифрактограмма структуры, открытой из файла</source>
        <translation>Powder Diffraction Pattern|X-ray powder diffraction pattern of the structure opened from a file</translation>
    </message>
    <message>
        <source>Порошковая дифрактограмма</source>
        <translation>Powder Diffraction Pattern</translation>
    </message>
    <message>
        <source>Сохранить дифрактограмму</source>
        <translation>Save Diffraction Pattern</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv);;Рисунок PNG (*.png);;Рисунок SVG (*.svg)</source>
        <translation>CSV table (*.csv);;PNG image (*.png);;SVG image (*.svg)</translation>
    </message>
    <message>
        <source>Другая длина волны</source>
        <translation>Other wavelength</translation>
    </message>
    <message>
        <source>Профиль пиков, ширина</source>
        <translation>Peak profile, width</translation>
    </message>
    <message>
        <source>Сохранить…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>Излучение:</source>
        <translation>Radiation:</translation>
    </message>
    <message>
        <source>2θ от</source>
        <translation>2θ from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>I, отн. ед.</source>
        <translation>I, rel. units</translation>
    </message>
    <message>
        <source>Дифрактограмма рассчитывается для структуры из файла: откройте файл CIF командой «Файл» → «Открыть структуру…».</source>
        <translation>The pattern is calculated for a structure from a file: open a CIF file with ‘File’ → ‘Open Structure…’.</translation>
    </message>
    <message>
        <source>В выбранном диапазоне углов 2θ линий нет: расширьте его.</source>
        <translation>There are no lines in the chosen range of 2θ: widen it.</translation>
    </message>
    <message>
        <source>Дифрактограмма сохраняется как таблица CSV или рисунок PNG или SVG: имя файла должно оканчиваться на .csv, .png или .svg.</source>
        <translation>The pattern is saved as a CSV table or as a PNG or SVG image: the file name must end in .csv, .png or .svg.</translation>
    </message>
    <message>
        <source>Сохранять нечего: дифрактограмма не рассчитана.</source>
        <translation>Nothing to save: no pattern has been calculated.</translation>
    </message>
</context>
<context>
    <name>vestrel::ReferenceWindow</name>
    <message>
        <source>Распределение 32 видов симметрии по сингониям</source>
        <translation>The 32 crystal classes by crystal system</translation>
    </message>
    <message>
        <source>Пространственные решетки Браве</source>
        <translation>The Bravais lattices</translation>
    </message>
    <message>
        <source>Простые формы кубической сингонии</source>
        <translation>Simple forms of the cubic system</translation>
    </message>
    <message>
        <source>Плотнейшие упаковки</source>
        <translation>Closest packings</translation>
    </message>
    <message>
        <source>Сетка Вульфа</source>
        <translation>Wulff net</translation>
    </message>
    <message>
        <source>Краткий  справочник по кристаллографии</source>
        <translation>Crystallography Quick Reference</translation>
    </message>
</context>
<context>
    <name>vestrel::SettingsWindow</name>
    <message>
        <source>Не строить</source>
        <translation>Do not draw</translation>
    </message>
    <message>
        <source>Зеленый</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Желтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Настройки построения</source>
        <translation>Display Settings</translation>
    </message>
    <message>
        <source>Настройки объектов</source>
        <translation>Object settings</translation>
    </message>
    <message>
        <source>Параметры программы</source>
        <translation>Program options</translation>
    </message>
    <message>
        <source>Частота смены кадров : %1 мсек</source>
        <translation>Frame interval: %1 ms</translation>
    </message>
    <message>
        <source>Частота смены кадров (скорость анимации)</source>
        <translation>Frame interval (the speed of the animation)</translation>
    </message>
    <message>
        <source>Цвет осей :</source>
        <translation>Axis colours:</translation>
    </message>
    <message>
        <source>Область настройки осей</source>
        <translation>Settings of the axes</translation>
    </message>
    <message>
        <source>2-го порядка:</source>
        <translation>2-fold:</translation>
    </message>
    <message>
        <source>Список цветов для  оси 2-го порядка</source>
        <translation>Colours for the 2-fold axes</translation>
    </message>
    <message>
        <source>3-го порядка:</source>
        <translation>3-fold:</translation>
    </message>
    <message>
        <source>Список цветов для  оси 3-го порядка</source>
        <translation>Colours for the 3-fold axes</translation>
    </message>
    <message>
        <source>4-го порядка:</source>
        <translation>4-fold:</translation>
    </message>
    <message>
        <source>Список цветов для  оси 4-го порядка</source>
        <translation>Colours for the 4-fold axes</translation>
    </message>
    <message>
        <source>6-го порядка:</source>
        <translation>6-fold:</translation>
    </message>
    <message>
        <source>Список цветов для  оси 6-го порядка</source>
        <translation>Colours for the 6-fold axes</translation>
    </message>
    <message>
        <source>Многогранники :</source>
        <translation>Polyhedra:</translation>
    </message>
    <message>
        <source>Область настройки построения многогранников</source>
        <translation>How polyhedra are drawn</translation>
    </message>
    <message>
        <source>Опции построения:</source>
        <translation>Drawing options:</translation>
    </message>
    <message>
        <source>Прозрачные грани</source>
        <translation>Transparent faces</translation>
    </message>
    <message>
        <source>Построение только ребер</source>
        <translation>Only the edges are drawn</translation>
    </message>
    <message>
        <source>Сплошные грани</source>
        <translation>Solid faces</translation>
    </message>
    <message>
        <source>Построение сплошных граней</source>
        <translation>The faces are drawn solid</translation>
    </message>
    <message>
        <source>Винтовые оси :</source>
        <translation>Screw axes:</translation>
    </message>
    <message>
        <source>Область настройки винтовых осей</source>
        <translation>Settings of the screw axes</translation>
    </message>
    <message>
        <source>Цвет :</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Список цветов для  винтовых осей</source>
        <translation>Colours for the screw axes</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Настройки управления :</source>
        <translation>Control settings:</translation>
    </message>
    <message>
        <source>Изменение управления мышью</source>
        <translation>How the mouse turns the view</translation>
    </message>
    <message>
        <source>Инверсия мыши :</source>
        <translation>Mouse inversion:</translation>
    </message>
    <message>
        <source>Прямая</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Прямая инверсия(по умолчанию)</source>
        <translation>Normal (the default)</translation>
    </message>
    <message>
        <source>Обратная</source>
        <translation>Inverted</translation>
    </message>
    <message>
        <source>Обратная инверсия</source>
        <translation>Inverted</translation>
    </message>
    <message>
        <source>Настройки интерфейса :</source>
        <translation>Interface settings:</translation>
    </message>
    <message>
        <source>Область для настройки интерфейса программы</source>
        <translation>Settings of the program&apos;s interface</translation>
    </message>
    <message>
        <source>Отдалиться на максимальное расстояние</source>
        <translation>Move away to the maximum distance</translation>
    </message>
    <message>
        <source>Отдалиться на макс. расстояние (150 отн. ед.)</source>
        <translation>Move away to the maximum distance (150 rel. units)</translation>
    </message>
    <message>
        <source>Убрать детальную информацию</source>
        <translation>Hide detailed information</translation>
    </message>
    <message>
        <source>Убрать/показать информацию о кристалле и крист. решетке</source>
        <translation>Hide/show the information on the crystal and its crystal lattice</translation>
    </message>
    <message>
        <source>Убрать вкладку инструментов и опций</source>
        <translation>Hide the tools and options panel</translation>
    </message>
    <message>
        <source>Убрать/отображать вкладку инструментов и опций</source>
        <translation>Hide/show the tools and options panel</translation>
    </message>
    <message>
        <source>Отображать панель инструментов</source>
        <translation>Show the toolbar</translation>
    </message>
    <message>
        <source>Отображать/убрать панель инструментов</source>
        <translation>Show/hide the toolbar</translation>
    </message>
    <message>
        <source>Восстановить настройки по умолчанию</source>
        <translation>Restore default settings</translation>
    </message>
    <message>
        <source>Вернуть всем настройкам значения, с которыми программа запускается впервые</source>
        <translation>Give every setting back the value it has when the program is started for the first time</translation>
    </message>
    <message>
        <source>Сглаживание недоступно: OpenGL этого компьютера не даёт многовыборочного буфера</source>
        <translation>Smoothing is not available: this computer&apos;s OpenGL offers no multisample buffer</translation>
    </message>
    <message>
        <source>Сглаживание краёв и линий (%1 выборки на точку) в окне и в сохраняемых рисунках</source>
        <translation>Smoothing of edges and lines (%1 samples per pixel) in the window and in saved pictures</translation>
    </message>
    <message>
        <source>Изображение :</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>Вид изображения в окне и в сохраняемых рисунках</source>
        <translation>How the picture looks in the window and in saved pictures</translation>
    </message>
    <message>
        <source>Объёмное изображение</source>
        <translation>Shaded picture</translation>
    </message>
    <message>
        <source>Освещённые шары атомов и грани многогранников, полупрозрачные плоскости симметрии</source>
        <translation>Lit balls of atoms and faces of polyhedra, translucent mirror planes</translation>
    </message>
    <message>
        <source>Сглаживание</source>
        <translation>Smoothing</translation>
    </message>
</context>
<context>
    <name>vestrel::StereogramWindow</name>
    <message>
        <source>Постройте многогранник или выберите класс симметрии</source>
        <translation>Build a polyhedron or choose a crystal class</translation>
    </message>
    <message>
        <source>Стереографическая проекция</source>
        <translation>Stereographic Projection</translation>
    </message>
    <message>
        <source>Проекция сохраняется как рисунок PNG или SVG: имя файла должно оканчиваться на .png или .svg.</source>
        <translation>The projection is saved as a PNG or SVG image: the file name must end in .png or .svg.</translation>
    </message>
    <message>
        <source>Стереографическая проекция|Стереографическая проекция многогранника или класса симметрии</source>
        <translation>Stereographic Projection|Stereographic projection of a polyhedron or a crystal class</translation>
    </message>
    <message>
        <source>Стандартная установка</source>
        <translation>Standard setting</translation>
    </message>
    <message>
        <source>Вместе с моделью</source>
        <translation>With the model</translation>
    </message>
    <message>
        <source>Сетка Вульфа</source>
        <translation>Wulff net</translation>
    </message>
    <message>
        <source>Через 2°</source>
        <translation>Every 2°</translation>
    </message>
    <message>
        <source>Символы граней</source>
        <translation>Face symbols</translation>
    </message>
    <message>
        <source>Сохранить проекцию…</source>
        <translation>Save Projection…</translation>
    </message>
    <message>
        <source>Грань %1</source>
        <translation>Face %1</translation>
    </message>
    <message>
        <source>Сохранить проекцию</source>
        <translation>Save Projection</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg);;Рисунок PNG (*.png)</source>
        <translation>SVG image (*.svg);;PNG image (*.png)</translation>
    </message>
    <message>
        <source>Размер рисунка, точек:</source>
        <translation>Picture size, pixels:</translation>
    </message>
</context>
</TS>
