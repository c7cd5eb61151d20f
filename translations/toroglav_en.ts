<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>CoreFamily</name>
    <message>
        <source>E планарный</source>
        <translation>E planar</translation>
    </message>
    <message>
        <source>ER планарный</source>
        <translation>ER planar</translation>
    </message>
    <message>
        <source>EL планарный</source>
        <translation>EL planar</translation>
    </message>
</context>
<context>
    <name>CoreView</name>
    <message>
        <source>R (Кольцо)</source>
        <translation>R (toroid)</translation>
    </message>
    <message>
        <source>Е, EI (Ш)</source>
        <translation>E, EI</translation>
    </message>
    <message>
        <source>Другой тип</source>
        <translation>Other type</translation>
    </message>
    <message>
        <source>Ae, мм2</source>
        <translation>Ae, mm²</translation>
    </message>
    <message>
        <source>le, мм</source>
        <translation>le, mm</translation>
    </message>
    <message>
        <source>So, мм2</source>
        <translation>Aw, mm²</translation>
    </message>
    <message>
        <source>Ve, см3</source>
        <translation>Ve, cm³</translation>
    </message>
</context>
<context>
    <name>FieldHints</name>
    <message>
        <source>Мои исследования ферритов показали, что эффективная магнитная проницаемость в среднем раза в полтора выше начальной, поэтому смело можно брать полторы начальной. Это происходит потому, что в рабочем режиме петля частного цикла перемагничивания идет круче петли предельного цикла.</source>
        <translation>My measurements of ferrites show that the effective permeability is on average about one and a half times the initial one, so 1.5 times the initial permeability is a safe choice. This is because in operation the minor hysteresis loop is steeper than the major loop.</translation>
    </message>
    <message>
        <source>Диапазон вводимой индукции 0,05 - 0,3 Т. Потери в сердечнике зависят от сочетания индукции и частоты. При большой частоте и большой индукции потери окажутся на столько большими, что сердечник превратится в утюг. При получении в расчете больших потерь следует уменьшить индукцию или частоту и пересчитать заново.</source>
        <translation>Flux density from 0.05 to 0.3 T. The core loss depends on flux density and frequency together. At a high frequency and a high flux density the loss gets so large that the core turns into a flat iron. If the calculation gives a large core loss, reduce the flux density or the frequency and calculate again.</translation>
    </message>
    <message>
        <source>Коэффициент заполнения окна характеризует, какую часть окна сердечника займут все обмотки. Для колец можно задавать больше, до 0,5, так как у них площадь окна большая. У Ш-образных сердечников площадь окна ограничена самим сердечником и каркасом. Для них коэффициент заполнения окна может быть в диапазоне 0,15 - 0,35 в зависимости от размера сердечника, меньшие значения соответствуют меньшим размерам.</source>
        <translation>The window fill factor is the part of the core window that all the windings take up. Toroids have a large window and take more, up to 0.5. In E cores the window is limited by the core itself and by the bobbin: there the fill factor is 0.15 to 0.35 depending on the core size, the smaller values for the smaller cores.</translation>
    </message>
    <message>
        <source>При вентиляции плотность тока можно выбрать больше, до 8 - 10 А/мм2. При естественном охлаждении следует выбирать 4 - 5 А/мм2.</source>
        <translation>With forced-air cooling the current density may be higher, up to 8 to 10 A/mm². With natural convection choose 4 to 5 A/mm².</translation>
    </message>
    <message>
        <source>Диапазон вводимой частоты 25 - 300 кГц. Не стоит гнаться за большой частотой. При высокой частоте увеличиваются коммутационные потери в транзисторах и диодах. Также при большой частоте из-за малого числа витков ток намагничивания получается слиишком велик, что приводит к большому току холостого хода и, соответственно, низкому КПД.</source>
        <translation>Frequency from 25 to 300 kHz. Do not chase a high frequency: it raises the switching losses of the transistors and diodes. Besides, at a high frequency the primary has few turns, so the magnetising current gets too large, which means a large no-load current and so a low efficiency.</translation>
    </message>
    <message>
        <source>Это поле используется для TL494 и ей подобных мелкосхем, у которых максимальный рабочий цикл (duty cicle) не зависит от частоты.</source>
        <translation>This field is for the TL494 and similar controllers, whose maximum duty cycle does not depend on the frequency.</translation>
    </message>
    <message>
        <source>Это поле используется для мелкосхем, у которых мертвое время (dead time) либо фиксированное, как у IR2153, либо задается внешними элементами, как у SG3525, и не зависит от частоты.</source>
        <translation>This field is for controllers whose dead time is either fixed, as in the IR2153, or set by external parts, as in the SG3525, and does not depend on the frequency.</translation>
    </message>
    <message>
        <source>Для полевых транзисторов в это поле следует ввести произведения сопротивления открытого канала Rds(on) на амплитуду тока первичной обмотки.</source>
        <translation>For MOSFETs enter here the on-resistance Rds(on) times the primary peak current.</translation>
    </message>
    <message>
        <source>В эти поля вводится минимальный ток потребления, это необходимо для расчета индуктивности дросселя. Например, для усилителя сюда следует ввести ток покоя усилителя.
Если получилась большая величина индуктивности, и нет возможности ее обеспечить, можно изготовить дроссель на меньшую индуктивность, но тогда при минимальном токе дроссель будет накапливать недостаточно энергии (будет работать в режиме разрывного тока), и напряжение на выходе будет больше расчетного.</source>
        <translation>The minimum load current goes in these fields; the choke inductance is calculated from it. For an amplifier, for instance, enter its quiescent current.
If the inductance comes out too large to build, a choke of smaller inductance can be used, but at the minimum current it will not store enough energy (it will run in discontinuous conduction mode), and the output voltage will rise above the calculated one.</translation>
    </message>
    <message>
        <source>В эти поля вводится прямое падение напряжения на диодах, которое можно узнать из даташита. Если диоды нагружены не на номинальный ток, то по графику в даташите можно оценить падение для заданного тока.</source>
        <translation>The forward voltage drop of the diodes goes in these fields; take it from the datasheet. If the diodes do not carry their rated current, read the drop at your current off the datasheet&apos;s graph.</translation>
    </message>
    <message>
        <source>Этот переключатель используется для TL494 и ей подобных мелкосхем, у которых максимальный рабочий цикл (duty cicle) не зависит от частоты.</source>
        <translation>Choose this for the TL494 and similar controllers, whose maximum duty cycle does not depend on the frequency.</translation>
    </message>
    <message>
        <source>Этот переключатель используется для мелкосхем, у которых мертвое время (dead time) либо фиксированное, как у IR2153, либо задается внешними элементами, как у SG3525, и не зависит от частоты.</source>
        <translation>Choose this for controllers whose dead time is either fixed, as in the IR2153, or set by external parts, as in the SG3525, and does not depend on the frequency.</translation>
    </message>
    <message>
        <source>Этот переключатель используется для биполярных или IGBT транзисторов.</source>
        <translation>Choose this for bipolar transistors or IGBTs.</translation>
    </message>
    <message>
        <source>Этот переключатель используется для полевых транзисторов. При этом в напряжение насыщения выводится расчетная величина падения напряжения на транзисторе</source>
        <translation>Choose this for MOSFETs. The saturation voltage field then shows the calculated voltage drop across the transistor.</translation>
    </message>
    <message>
        <source>Расчет ведется по минимальному напряжению питания. Первый выход является ведущим. И на него надо назначать выход с наибольшим потреблением. Остальные выходы считаются по первому. Для реальной стабилизации всех выходов следует применять дроссель групповой стабилизации.</source>
        <translation>The design is calculated at the minimum supply voltage. The first output is the regulated master: assign it to the output with the highest load. The other outputs follow the first. For real regulation of all outputs use a coupled (group-regulation) output choke.</translation>
    </message>
    <message>
        <source>Расчет всех выходов ведется по номинальному напряжению питания. Применять дроссель групповой стабилизации не нужно.</source>
        <translation>All outputs are calculated at the nominal supply voltage. No coupled output choke is needed.</translation>
    </message>
    <message>
        <source>При выборе типа сердечника EI (с замыкающей пластиной) следует пересчитать высоты сердечника и окна, как будто он состоит из двух половинок Е.</source>
        <translation>For an EI core (E with an I-bar) recalculate the core and window heights as if it were made of two E halves.</translation>
    </message>
    <message>
        <source>При выборе типа сердечника &quot;Другой тип&quot; данные взять из документации производителя. Площадь окна рассчитать самостоятельно.
   Ae - площадь сердечника, мм2,
   le - средняя длина магнитной линии, мм,
   So - площадь окна, мм2,
   Ve - объем, см3</source>
        <translation>For &quot;Other type&quot; take the data from the manufacturer&apos;s datasheet and work out the window area yourself.
   Ae - core cross-section, mm²,
   le - effective magnetic path length, mm,
   Aw - window area, mm²,
   Ve - volume, cm³</translation>
    </message>
    <message>
        <source>Выбор материала необходим для расчета потерь.</source>
        <translation>The material is needed for the core loss.</translation>
    </message>
    <message>
        <source>Отечественные ферриты по своим потерям примерно соответствуют этому материалу.</source>
        <translation>Russian-made ferrites have about the losses of this material.</translation>
    </message>
    <message>
        <source>Поскольку конденсаторы никогда не заряжаются до амплитудного значения, при расчете применяется практически определенный коэффициент 1,364 вместо корня из 2.</source>
        <translation>The reservoir capacitors never charge to the peak of the mains, so the calculation takes an empirical factor of 1.364 instead of the square root of 2.</translation>
    </message>
    <message>
        <source>Сохранение основных результатов расчета в текстовый файл с расширеним .txt для последующего использования или распечатки.</source>
        <translation>Saves the main results in a text file (.txt) for later use or for printing.</translation>
    </message>
    <message>
        <source>Сохранение исходных данных в файл с расширеним .sav во внутреннем формате данных для последующего использования.</source>
        <translation>Saves the inputs in a .sav file, the program&apos;s own format, for later use.</translation>
    </message>
    <message>
        <source>Загрузка сохраненных исходных данных из файла с расширеним .sav</source>
        <translation>Loads saved inputs from a .sav file</translation>
    </message>
    <message>
        <source>Вместо этой кнопки для оперативности можно нажать клавишу Enter</source>
        <translation>Pressing Enter does the same, quicker</translation>
    </message>
    <message>
        <source>Если изволите выйти из программы, тогда жмите сюда</source>
        <translation>Should you wish to leave the program, press here</translation>
    </message>
    <message>
        <source>Потери в сердечнике и в обмотках, температура сердечника, КПД трансформатора и индукция, при которой суммарные потери наименьшие, для любого феррита из библиотеки.</source>
        <translation>Core and winding losses, core temperature, transformer efficiency and the flux density of least total loss, for any ferrite of the library.</translation>
    </message>
    <message>
        <source>Схемы выпрямления смотри в меню</source>
        <translation>See the menu for the rectifier circuits</translation>
    </message>
    <message>
        <source>Выбрать из каталога</source>
        <translation>Choose from the catalogue</translation>
    </message>
    <message>
        <source>Подобрать магнитопровод из каталога</source>
        <translation>Find a core in the catalogue that suits the design</translation>
    </message>
    <message>
        <source>Как обмотки ложатся на каркас или кольцо: провод по IEC 60317, слои, изоляция, сопротивление, индуктивность рассеяния и рисунок окна в масштабе.</source>
        <translation>How the windings lie on the bobbin or the ring: IEC 60317 wire, layers, insulation, resistance, leakage inductance and a picture of the window to scale.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>	1.При выборе типа сердечника EI (с замыкающей пластиной) следует пересчитать высоты сердечника и окна, как будто он
состоит из двух половинок Е.
	2.При выборе типа сердечника &quot;Другой&quot; данные взять из документации производителя. Площадь окна рассчитать
самостоятельно.
   Ae - площадь сердечника, мм2
   le - средняя длина магнитной линии, мм
   So - площадь окна, мм2
   Ve - объем, см3
	3.Мои исследования ферритов показали, что эффективная магнитная проницаемость в среднем раза в полтора выше
начальной, поэтому смело можно брать полторы начальной. Это происходит потому, что в рабочем режиме петля частного цикла
перемагничивания идет круче петли предельного цикла.
	4.При однополярном выпрямлении, несмотря на удвоенное количество диодов, имеет преимущество мостовая схема, так как
меньше расход провода, чем при схеме со средней точкой.
	5.Для правильной работы дросселя в выпрямителе после диодов перед дросселем не должно быть никаких конденсаторов!
Даже маленького номинала.
	6.Если выбрана стабилизация выходных напряжений, то первый выход является ведущим.И на него надо назначать выход
с наибольшим потреблением. Остальные выходы считаются по первому. Для реальной стабилизации всех выходов следует применять
дроссель групповой стабилизации.
</source>
        <translation>	1.For an EI core (E with an I-bar) recalculate the core and window heights as if it were made of two
E halves.
	2.For &quot;Other type&quot; take the data from the manufacturer&apos;s datasheet and work out the window area
yourself.
   Ae - core cross-section, mm²
   le - effective magnetic path length, mm
   Aw - window area, mm²
   Ve - volume, cm³
	3.My measurements of ferrites show that the effective permeability is on average about one and a half
times the initial one, so 1.5 times the initial permeability is a safe choice. This is because in operation
the minor hysteresis loop is steeper than the major loop.
	4.For a unipolar output the bridge rectifier is better than the centre-tapped one despite its twice as
many diodes, since it takes less wire.
	5.For the output choke to work properly there must be no capacitor at all between the rectifier diodes
and the choke! Not even a small one.
	6.With output voltage regulation the first output is the master: assign it to the output with the
highest load. The other outputs follow the first. For real regulation of all outputs use a coupled
(group-regulation) output choke.
</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Показать схемы &amp;выпрямления</source>
        <translation>Show &amp;rectifier circuits</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Магнитопровод</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Размеры магнитопровода</source>
        <translation>Core dimensions</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Подобрать</source>
        <translation>Suggest core</translation>
    </message>
    <message>
        <source>Потери и нагрев</source>
        <translation>Losses and heating</translation>
    </message>
    <message>
        <source>Индукция</source>
        <translation>Flux density</translation>
    </message>
    <message>
        <source>мин.    ном.    макс.</source>
        <translation>min.     nom.     max.</translation>
    </message>
    <message>
        <source>Магнитная проницаемость, эффективная</source>
        <translation>Effective permeability</translation>
    </message>
    <message>
        <source>Индукция, максимальная, Т</source>
        <translation>Max. flux density, T</translation>
    </message>
    <message>
        <source>Коэффициент заполнения окна</source>
        <translation>Window fill factor</translation>
    </message>
    <message>
        <source>Плотность тока, А/мм2</source>
        <translation>Current density, A/mm²</translation>
    </message>
    <message>
        <source>Частота преобразования, кГц</source>
        <translation>Switching frequency, kHz</translation>
    </message>
    <message>
        <source>Коэффициент заполнения импульса, макс.</source>
        <translation>Duty cycle, max.</translation>
    </message>
    <message>
        <source>TL494 и т.п.</source>
        <translation>TL494 etc.</translation>
    </message>
    <message>
        <source>Мертвое время (dead time), минимум, мкс</source>
        <translation>Dead time, min., µs</translation>
    </message>
    <message>
        <source>Другие</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>Сопротивление канала Rds(on), Ом</source>
        <translation>On-resistance Rds(on), Ω</translation>
    </message>
    <message>
        <source>Напряжение насыщения Uнас., В</source>
        <translation>Saturation voltage Vsat, V</translation>
    </message>
    <message>
        <source>Uнас.</source>
        <translation>Vsat</translation>
    </message>
    <message>
        <source>Напряжение питания (мин., ном., макс.), В</source>
        <translation>Supply voltage (min., nom., max.), V</translation>
    </message>
    <message>
        <source>Постоянное</source>
        <translation>DC</translation>
    </message>
    <message>
        <source>Сетевое</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Вторичные обмотки</source>
        <translation>Secondary windings</translation>
    </message>
    <message>
        <source>Стабилизация выходных напряжений</source>
        <translation>Output voltage regulation</translation>
    </message>
    <message>
        <source>Есть</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Номинальное напряжение, В</source>
        <translation>Nominal voltage, V</translation>
    </message>
    <message>
        <source>Номинальный ток, А</source>
        <translation>Nominal current, A</translation>
    </message>
    <message>
        <source>Минимальный ток, А</source>
        <translation>Minimum current, A</translation>
    </message>
    <message>
        <source>Падение на диодах, В</source>
        <translation>Diode drop, V</translation>
    </message>
    <message>
        <source>Диаметр провода         1 (желаемый)</source>
        <translation>Wire diameter         1 (desired)</translation>
    </message>
    <message>
        <source>Выпрямление:</source>
        <translation>Rectifier:</translation>
    </message>
    <message>
        <source>Однополярное, со средней точкой:</source>
        <translation>Unipolar, centre-tapped:</translation>
    </message>
    <message>
        <source>Двухполярное, со средней точкой:</source>
        <translation>Bipolar, centre-tapped:</translation>
    </message>
    <message>
        <source>Мостовое</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Схема преобразователя</source>
        <translation>Converter topology</translation>
    </message>
    <message>
        <source>Пуш-пул</source>
        <translation>Push-pull</translation>
    </message>
    <message>
        <source>Полумостовая</source>
        <translation>Half-bridge</translation>
    </message>
    <message>
        <source>Мостовая</source>
        <translation>Full bridge</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Площадь сечения магнитопровода</source>
        <translation>Core cross-section area</translation>
    </message>
    <message>
        <source>мм2</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>Площадь окна магнитопровода</source>
        <translation>Core window area</translation>
    </message>
    <message>
        <source>Мощность потерь в магнитопроводе</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Ожидаемый перегрев магнитопровода</source>
        <translation>Expected core temperature rise</translation>
    </message>
    <message>
        <source>градусов</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Габаритная мощность трансформатора</source>
        <translation>Transformer overall power</translation>
    </message>
    <message>
        <source>Потребляемая нагрузкой мощность</source>
        <translation>Load power</translation>
    </message>
    <message>
        <source>Индуктивность первичной обмотки</source>
        <translation>Primary inductance</translation>
    </message>
    <message>
        <source>Ток намагничивания первичной обмотки</source>
        <translation>Primary magnetising current</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Амплитуда тока первичной обмотки</source>
        <translation>Primary peak current</translation>
    </message>
    <message>
        <source>Ток потребления</source>
        <translation>Supply current</translation>
    </message>
    <message>
        <source>КПД без учета потерь в обмотках</source>
        <translation>Efficiency without winding loss</translation>
    </message>
    <message>
        <source>Число витков первичной обмотки</source>
        <translation>Primary turns</translation>
    </message>
    <message>
        <source>Диаметр провода первичной обмотки</source>
        <translation>Primary wire diameter</translation>
    </message>
    <message>
        <source>Диаметр провода по скин-эффекту</source>
        <translation>Wire diameter, 2 × skin depth</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Число витков</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Диаметр мм х число жил</source>
        <translation>Diameter mm × strands</translation>
    </message>
    <message>
        <source>Напр. мин, В</source>
        <translation>Voltage min, V</translation>
    </message>
    <message>
        <source>Напр. ном, В</source>
        <translation>Voltage nom, V</translation>
    </message>
    <message>
        <source>Напр. макс, В</source>
        <translation>Voltage max, V</translation>
    </message>
    <message>
        <source>Индуктивность дросселя, мкГн</source>
        <translation>Choke inductance, µH</translation>
    </message>
    <message>
        <source>Результаты расчета</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Сохранить как текст</source>
        <translation>Save as text</translation>
    </message>
    <message>
        <source>Рассчитать!</source>
        <translation>Calculate!</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Намотка</source>
        <translation>Winding</translation>
    </message>
</context>
<context>
    <name>MessageBoxService</name>
    <message>
        <source>Внимание!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Тороглав</source>
        <translation>Toroglav</translation>
    </message>
</context>
<context>
    <name>RecordWords</name>
    <message>
        <source>мГн</source>
        <translation>mH</translation>
    </message>
    <message>
        <source>мкГн</source>
        <translation>µH</translation>
    </message>
    <message>
        <source> (расчет)</source>
        <translation> (calc.)</translation>
    </message>
    <message>
        <source>Потери слишком велики.
Нет данных для расчета потерь!
Снизте индукцию и(или) частоту!</source>
        <translation>The core loss is too high.
The loss data do not reach this far!
Reduce the flux density and/or the frequency!</translation>
    </message>
    <message>
        <source>Ожидаемый перегрев сердечника более 50 градусов.
Снизте индукцию и(или) частоту!</source>
        <translation>Expected core temperature rise above 50 K.
Reduce the flux density and/or the frequency!</translation>
    </message>
    <message>
        <source>Расчёт кольца </source>
        <translation>Toroid </translation>
    </message>
    <message>
        <source>Расчёт Е(Ш) </source>
        <translation>E core </translation>
    </message>
    <message>
        <source>Расчёт ETD </source>
        <translation>ETD </translation>
    </message>
    <message>
        <source>кГц, </source>
        <translation>kHz, </translation>
    </message>
    <message>
        <source>В, </source>
        <translation>V, </translation>
    </message>
    <message>
        <source>Вх</source>
        <translation>Vx</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::CAboutDlg</name>
    <message>
        <source>О програме</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Тороглав</source>
        <translation>Toroglav</translation>
    </message>
    <message>
        <source> Версия </source>
        <translation> Version </translation>
    </message>
    <message>
        <source>14 июня 2010</source>
        <translation>14 June 2010</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::CToroglavDlg</name>
    <message>
        <source>Расчет импульсного трансформатора двухтактного преобразователя</source>
        <translation>Pulse transformer design for double-ended converters</translation>
    </message>
    <message>
        <source>Файлы Тороглав *.%1 (*.%1)</source>
        <translation>Toroglav files *.%1 (*.%1)</translation>
    </message>
    <message>
        <source>Сохранить как . . .</source>
        <translation>Save as . . .</translation>
    </message>
    <message>
        <source>%1 «%2»:
%3.</source>
        <translation>%1 “%2”:
%3.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл</source>
        <translation>Could not save the file</translation>
    </message>
    <message>
        <source>Открыть файл сохранённого расчета</source>
        <translation>Open a saved design</translation>
    </message>
    <message>
        <source>Не удалось открыть файл</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>Не удалось сохранить отчёт</source>
        <translation>Could not save the report</translation>
    </message>
    <message>
        <source>Не удалось сохранить введённые данные в файл</source>
        <translation>Could not save the inputs to the file</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::CVypr</name>
    <message>
        <source>Схемы выпрямления</source>
        <translation>Rectifier circuits</translation>
    </message>
    <message>
        <source>Однополярное, со средней точкой:</source>
        <translation>Unipolar, centre-tapped:</translation>
    </message>
    <message>
        <source>Двухполярное, со средней точкой:</source>
        <translation>Bipolar, centre-tapped:</translation>
    </message>
    <message>
        <source>Мостовое</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::CoreAdviserDialog</name>
    <message>
        <source>Магнитопровод</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Тип</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Объем,
см3</source>
        <translation>Volume,
cm³</translation>
    </message>
    <message>
        <source>Витки
первичной</source>
        <translation>Primary
turns</translation>
    </message>
    <message>
        <source>Заполнение
окна</source>
        <translation>Window
fill</translation>
    </message>
    <message>
        <source>Потери в
сердечнике, Вт</source>
        <translation>Core
loss, W</translation>
    </message>
    <message>
        <source>Потери в
обмотках, Вт</source>
        <translation>Copper
loss, W</translation>
    </message>
    <message>
        <source>Суммарные
потери, Вт</source>
        <translation>Total
loss, W</translation>
    </message>
    <message>
        <source>Температура
сердечника, °C</source>
        <translation>Core
temperature, °C</translation>
    </message>
    <message>
        <source>КПД, %</source>
        <translation>Efficiency, %</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Подбор магнитопровода</source>
        <translation>Core suggestions</translation>
    </message>
    <message>
        <source>Кольца</source>
        <translation>Toroids</translation>
    </message>
    <message>
        <source>Е, EI (Ш)</source>
        <translation>E, EI</translation>
    </message>
    <message>
        <source>Другой тип (PQ, RM, EFD, EC, P ...)</source>
        <translation>Other type (PQ, RM, EFD, EC, P ...)</translation>
    </message>
    <message>
        <source>Все</source>
        <translation>All</translation>
    </message>
    <message>
        <source>&amp;Семейство:</source>
        <translation>&amp;Family:</translation>
    </message>
    <message>
        <source>меньший объем</source>
        <translation>smallest volume</translation>
    </message>
    <message>
        <source>меньшие суммарные потери</source>
        <translation>least total loss</translation>
    </message>
    <message>
        <source>С&amp;начала:</source>
        <translation>&amp;Best first:</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ни один магнитопровод не подходит: чаще всего %1.</source>
        <translation>No core will do; most often: %1.</translation>
    </message>
    <message>
        <source>Подходят: %1, лучшие вверху</source>
        <translation>Cores that will do: %1, the best at the top</translation>
    </message>
    <message>
        <source>результаты не получаются числами</source>
        <translation>the results are not numbers</translation>
    </message>
    <message>
        <source>расчет дает предупреждение</source>
        <translation>the design gives a warning</translation>
    </message>
    <message>
        <source>обмотки не помещаются в окно</source>
        <translation>the windings do not fit the window</translation>
    </message>
    <message>
        <source>потери не оценить: %1</source>
        <translation>the losses cannot be estimated: %1</translation>
    </message>
    <message>
        <source>перегрев сердечника больше %1 °C, тепловой разгон или нагрев выше данных материала</source>
        <translation>a core temperature rise above %1 K, thermal runaway or heating beyond the material data</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::CorePickerDialog</name>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Каталог магнитопроводов</source>
        <translation>Core catalogue</translation>
    </message>
    <message>
        <source>&amp;Название (например ETD 39, PQ 32/30, R 25x15x10):</source>
        <translation>&amp;Name (e.g. ETD 39, PQ 32/30, R 25x15x10):</translation>
    </message>
    <message>
        <source>Семейство</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Магнитопровод</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::LossPlot</name>
    <message>
        <source>Индукция, максимальная, Т</source>
        <translation>Max. flux density, T</translation>
    </message>
    <message>
        <source>Потери, Вт</source>
        <translation>Loss, W</translation>
    </message>
    <message>
        <source>Не подходит</source>
        <translation>Not usable</translation>
    </message>
    <message>
        <source>Сердечник</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Обмотки</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Оптимум</source>
        <translation>Optimum</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::LossWindow</name>
    <message>
        <source>тепловой разгон</source>
        <translation>thermal runaway</translation>
    </message>
    <message>
        <source>Пиковая индукция, номинальная</source>
        <translation>Peak flux density, nominal</translation>
    </message>
    <message>
        <source>Пиковая индукция, наихудшая</source>
        <translation>Peak flux density, worst case</translation>
    </message>
    <message>
        <source>Индукция насыщения, нагретый</source>
        <translation>Saturation flux density, hot</translation>
    </message>
    <message>
        <source>Запас до насыщения, наихудший</source>
        <translation>Saturation margin, worst case</translation>
    </message>
    <message>
        <source>Температура сердечника</source>
        <translation>Core temperature</translation>
    </message>
    <message>
        <source>Перегрев сердечника</source>
        <translation>Core temperature rise</translation>
    </message>
    <message>
        <source>Тепловое сопротивление</source>
        <translation>Thermal resistance</translation>
    </message>
    <message>
        <source>Удельные потери в сердечнике</source>
        <translation>Core loss density</translation>
    </message>
    <message>
        <source>Потери в сердечнике</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>Потери в обмотках</source>
        <translation>Copper loss</translation>
    </message>
    <message>
        <source>Суммарные потери</source>
        <translation>Total loss</translation>
    </message>
    <message>
        <source>Мощность нагрузки</source>
        <translation>Load power</translation>
    </message>
    <message>
        <source>КПД трансформатора</source>
        <translation>Transformer efficiency</translation>
    </message>
    <message>
        <source>Индукция с наименьшими потерями</source>
        <translation>Max. flux density for least loss</translation>
    </message>
    <message>
        <source>Пиковая индукция при ней</source>
        <translation>Peak flux density at the optimum</translation>
    </message>
    <message>
        <source>Суммарные потери при ней</source>
        <translation>Total loss at the optimum</translation>
    </message>
    <message>
        <source>Ток
действ.</source>
        <translation>RMS
current</translation>
    </message>
    <message>
        <source>Сопротивление
пост.</source>
        <translation>DC
resistance</translation>
    </message>
    <message>
        <source>Число
слоев</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Заполнение
слоя</source>
        <translation>Layer
fill</translation>
    </message>
    <message>
        <source>Коэффициент
Fr</source>
        <translation>AC factor
Fr</translation>
    </message>
    <message>
        <source>Потери</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>Т</source>
        <translation>T</translation>
    </message>
    <message>
        <source>кВт/м3</source>
        <translation>kW/m³</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>К</source>
        <translation>K</translation>
    </message>
    <message>
        <source>К/Вт</source>
        <translation>K/W</translation>
    </message>
    <message>
        <source>А</source>
        <translation>A</translation>
    </message>
    <message>
        <source>мОм</source>
        <translation>mΩ</translation>
    </message>
    <message>
        <source>Первичная</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Выход %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source> (2 половины)</source>
        <translation> (2 halves)</translation>
    </message>
    <message>
        <source>расчет дает не числа</source>
        <translation>the design gives values that are not numbers</translation>
    </message>
    <message>
        <source>нет ни одного выхода</source>
        <translation>there is no output</translation>
    </message>
    <message>
        <source>ток выхода %1 отрицателен, такой нагрузки нет</source>
        <translation>the current of output %1 is negative; no load draws that</translation>
    </message>
    <message>
        <source>частота не больше 0</source>
        <translation>the frequency is not above 0</translation>
    </message>
    <message>
        <source>рабочая скважность не больше 0</source>
        <translation>the working duty cycle is not above 0</translation>
    </message>
    <message>
        <source>напряжение на первичной обмотке не больше 0</source>
        <translation>the primary voltage is not above 0</translation>
    </message>
    <message>
        <source>объем сердечника не больше 0</source>
        <translation>the core volume is not above 0</translation>
    </message>
    <message>
        <source>индукция не больше 0</source>
        <translation>the flux density is not above 0</translation>
    </message>
    <message>
        <source>обмотке нет места на сердечнике</source>
        <translation>a winding has no room on the core</translation>
    </message>
    <message>
        <source>первичная обмотка с ее сопротивлением не пропускает мощность нагрузки</source>
        <translation>the primary, with its resistance, cannot pass the load power</translation>
    </message>
    <message>
        <source>потери при нагреве до точки Кюри не получаются числом</source>
        <translation>the loss up to the Curie temperature is not a number</translation>
    </message>
    <message>
        <source>Применить оптимум</source>
        <translation>Apply optimum</translation>
    </message>
    <message>
        <source>Потери и нагрев</source>
        <translation>Losses and heating</translation>
    </message>
    <message>
        <source>&amp;Материал:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message>
        <source>&amp;Температура окружающей среды, °C:</source>
        <translation>&amp;Ambient temperature, °C:</translation>
    </message>
    <message>
        <source>У обмоток из двух половин ток и сопротивление указаны для одной половины, слои и потери — для всей обмотки.</source>
        <translation>For a winding of two halves, current and resistance are per half, layers and loss for the whole winding.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Серым: индукция, которой пользоваться нельзя: обмотки не помещаются в окно, сердечник разгоняется или нагревается выше данных материала, наихудшая пиковая индукция выше 0,8 индукции насыщения, выход без стабилизации отходит от заданного более чем на 5 %.</source>
        <translation>Grey: flux densities not to be used: the windings do not fit the window, the core runs away or heats beyond the material data, the worst-case peak flux density is above 0.8 of saturation, or an unregulated output is more than 5 % off its setpoint.</translation>
    </message>
    <message>
        <source>Индукция, максимальная</source>
        <translation>Max. flux density</translation>
    </message>
    <message>
        <source>Обмотка</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>В главном окне потери в сердечнике %1 Вт и перегрев %2 °C — по таблице потерь материала при максимальной индукции. Здесь — по кривым производителя при пиковой индукции и установившейся температуре, с потерями в обмотках.</source>
        <translation>The main window gives a core loss of %1 W and a temperature rise of %2 °C from the material&apos;s loss table at the maximum flux density. Here they come from the manufacturer&apos;s curves at the peak flux density and the steady-state temperature, with the copper loss.</translation>
    </message>
    <message>
        <source>Температура окружающей среды должна быть числом от −55 до 150 °C.</source>
        <translation>The ambient temperature must be a number from −55 to 150 °C.</translation>
    </message>
    <message>
        <source>Потери не оценить: %1.</source>
        <translation>The losses cannot be estimated: %1.</translation>
    </message>
    <message>
        <source>Тепловой разгон: потери растут с нагревом быстрее, чем сердечник отдает тепло, и равновесной температуры нет. Снизьте индукцию или частоту.</source>
        <translation>Thermal runaway: the loss rises with temperature faster than the core can shed the heat, so there is no steady-state temperature. Reduce the flux density or the frequency.</translation>
    </message>
    <message>
        <source>Рабочая точка вне данных производителя материала: потери или индукция насыщения экстраполированы и приблизительны.</source>
        <translation>The operating point is outside the manufacturer&apos;s material data: the core loss or the saturation flux density is extrapolated and approximate.</translation>
    </message>
    <message>
        <source>Ни одна максимальная индукция от 0,020 до 0,300 Т не допустима.</source>
        <translation>No maximum flux density from 0.020 to 0.300 T is admissible.</translation>
    </message>
    <message>
        <source>Поверхность охлаждения</source>
        <translation>Cooling surface</translation>
    </message>
    <message>
        <source>см2</source>
        <translation>cm²</translation>
    </message>
    <message>
        <source>&amp;Обдув, м/с:</source>
        <translation>Air &amp;speed, m/s:</translation>
    </message>
    <message>
        <source>Скорость обдува должна быть числом от 0 до 20 м/с.</source>
        <translation>The air speed must be a number from 0 to 20 m/s.</translation>
    </message>
</context>
<context>
    <name>toroglav::ui::WindingWindow</name>
    <message>
        <source>Витков</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Жил</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source>Провод,
мм</source>
        <translation>Wire,
mm</translation>
    </message>
    <message>
        <source>Витков
в слое</source>
        <translation>Turns
per layer</translation>
    </message>
    <message>
        <source>Слоев</source>
        <translation>Layers</translation>
    </message>
    <message>
        <source>Толщина,
мм</source>
        <translation>Build,
mm</translation>
    </message>
    <message>
        <source>Слоев
ленты</source>
        <translation>Tape
layers</translation>
    </message>
    <message>
        <source>Сопротивл.
20 °C, мОм</source>
        <translation>DC resist.
20 °C, mΩ</translation>
    </message>
    <message>
        <source>Средний
виток, мм</source>
        <translation>Mean turn
length, mm</translation>
    </message>
    <message>
        <source>Выход %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Первичная</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>, 1-я часть</source>
        <translation>, part 1</translation>
    </message>
    <message>
        <source>, 2-я часть</source>
        <translation>, part 2</translation>
    </message>
    <message>
        <source> (2 половины)</source>
        <translation> (2 halves)</translation>
    </message>
    <message>
        <source>Первичная по обе стороны выходов</source>
        <translation>Interleaved: primary on both sides of the outputs</translation>
    </message>
    <message>
        <source>Выходы проводом с тройной изоляцией</source>
        <translation>Outputs in triple-insulated wire</translation>
    </message>
    <message>
        <source>Намотка</source>
        <translation>Winding</translation>
    </message>
    <message>
        <source>авто</source>
        <translation>auto</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Каркас:</source>
        <translation>&amp;Bobbin:</translation>
    </message>
    <message>
        <source>Класс &amp;эмали провода:</source>
        <translation>Wire &amp;enamel grade:</translation>
    </message>
    <message>
        <source>Слоев &amp;ленты между обмотками:</source>
        <translation>&amp;Tape layers between windings:</translation>
    </message>
    <message>
        <source>&amp;Поля у щек каркаса, мм:</source>
        <translation>&amp;Margins at the flanges, mm:</translation>
    </message>
    <message>
        <source>Ширина места для намотки</source>
        <translation>Winding space breadth</translation>
    </message>
    <message>
        <source>мм</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Глубина места для намотки</source>
        <translation>Winding space depth</translation>
    </message>
    <message>
        <source>Поле у каждой щеки</source>
        <translation>Margin at each flange</translation>
    </message>
    <message>
        <source>Толщина всей намотки</source>
        <translation>Total winding build</translation>
    </message>
    <message>
        <source>Заполнение глубины</source>
        <translation>Depth fill</translation>
    </message>
    <message>
        <source>Обмотка
(от сердечника)</source>
        <translation>Winding
(from the core out)</translation>
    </message>
    <message>
        <source>Рассеяние,
мкГн</source>
        <translation>Leakage,
µH</translation>
    </message>
    <message>
        <source>Выход 5, 2-я часть (2 половины)</source>
        <translation>Output 5, part 2 (2 halves)</translation>
    </message>
    <message>
        <source>нет: кольцо</source>
        <translation>none: toroid</translation>
    </message>
    <message>
        <source>по окну сердечника</source>
        <translation>derived from the core window</translation>
    </message>
    <message>
        <source>Обмотки помещаются.</source>
        <translation>The windings fit.</translation>
    </message>
    <message>
        <source>Обмотки не помещаются!</source>
        <translation>The windings do not fit!</translation>
    </message>
    <message>
        <source>Каркас по окну сердечника: стенки как у каталожных каркасов того же семейства.</source>
        <translation>Bobbin derived from the core window: walls as on the catalogue bobbins of the same family.</translation>
    </message>
    <message>
        <source>Кольцо без каркаса: каждый слой ложится на меньшую окружность отверстия; глубина — радиус отверстия.</source>
        <translation>Toroid without a bobbin: each layer lies on a smaller circle of the hole; the depth is the hole&apos;s radius.</translation>
    </message>
    <message>
        <source>Сетевое питание: между первичной и выходами усиленная изоляция — не меньше трех слоев ленты и поля у щек (половина пути утечки 5 мм при 250 В).</source>
        <translation>Mains supply: reinforced insulation between the primary and the outputs, at least three layers of tape and margins at the flanges (half the 5 mm creepage distance at 250 V).</translation>
    </message>
    <message>
        <source>Числа витков или жил расчета не позволяют составить намотку.</source>
        <translation>The design&apos;s turns or strands do not make a winding plan possible.</translation>
    </message>
    <message>
        <source>%1: провода %2 мм нет в IEC 60317, взят ближайший %3 мм.</source>
        <translation>%1: no %2 mm wire in IEC 60317; the nearest, %3 mm, is used.</translation>
    </message>
</context>
</TS>
